#include "bench_collections.h"

#include "core/safe_file.h"

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace vorlane::bench {

std::string BenchFolder() {
    static std::string folder = [] {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "vorlane-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            std::abort();
        std::atexit([] { std::filesystem::remove_all(BenchFolder()); });
        return pattern;
    }();
    return folder;
}

PuzzleRecord Record(int i) {
    PuzzleRecord r;
    r.SetCategory("Category " + std::to_string(i % 20));
    r.SetTitle("Puzzle number " + std::to_string(i));
    r.SetGridWidth(15);
    r.SetGridHeight(15);
    for (int cell = 1; cell <= PuzzleRecord::kCellCount; ++cell)
        r.SetWordGridCell(cell, static_cast<unsigned char>('A' + (cell + i) % 26));
    return r;
}

// A sparse file: only the category and title of each record are written.
std::string SparseCollection(int records) {
    std::string path = BenchFolder() + "/sparse" + std::to_string(records) + ".VL3";
    if (vorlane::FileExists(path))
        return path;
    int fd = ::open(path.c_str(), O_CREAT | O_TRUNC | O_WRONLY, 0644);
    if (::ftruncate(fd, static_cast<off_t>(records) * PuzzleRecord::kSize) != 0)
        std::abort();
    for (int i = 0; i < records; ++i) {
        PuzzleRecord r = Record(i);
        ssize_t n =
            ::pwrite(fd, r.Data() + PuzzleRecord::kListedOffset, PuzzleRecord::kListedSize,
                     static_cast<off_t>(i) * PuzzleRecord::kSize + PuzzleRecord::kListedOffset);
        if (n != static_cast<ssize_t>(PuzzleRecord::kListedSize))
            std::abort();
    }
    ::close(fd);
    return path;
}

} // namespace vorlane::bench
