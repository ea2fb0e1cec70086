#include "fuzz_input.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <unistd.h>

namespace vorlane::fuzz {

const std::string& InputFile(const std::uint8_t* data, std::size_t size, const char* suffix) {
    static std::map<std::string, std::string> paths;
    std::string& path = paths[suffix];
    if (path.empty())
        path = (std::filesystem::temp_directory_path() /
                ("vorlane-fuzz-" + std::to_string(::getpid()) + suffix))
                   .string();
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
}

} // namespace vorlane::fuzz
