#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace vorlane::fuzz {

// Writes the fuzzer's bytes to a file of this process, for readers that take a path.
const std::string& InputFile(const std::uint8_t* data, std::size_t size, const char* suffix = "");

} // namespace vorlane::fuzz
