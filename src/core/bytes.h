#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

// Little-endian fields and short strings inside the byte images of binary records.
namespace vorlane::bytes {

inline std::int16_t GetI16(const unsigned char* p) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(p[0] | (p[1] << 8)));
}

inline void SetI16(unsigned char* p, std::int16_t value) {
    auto v = static_cast<std::uint16_t>(value);
    p[0] = static_cast<unsigned char>(v & 0xFF);
    p[1] = static_cast<unsigned char>(v >> 8);
}

inline std::int32_t GetI32(const unsigned char* p) {
    return static_cast<std::int32_t>(
        static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
        (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24));
}

inline void SetI32(unsigned char* p, std::int32_t value) {
    auto v = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<unsigned char>((v >> (8 * i)) & 0xFF);
}

// A short string of capacity N: a length byte and N character bytes. A length byte above
// the capacity (a damaged record) reads as the capacity.
inline std::string GetShortString(const unsigned char* p, std::size_t capacity) {
    std::size_t length = p[0] < capacity ? p[0] : capacity;
    return std::string(reinterpret_cast<const char*>(p + 1), length);
}

// Stores text cut to the capacity; the bytes past its length are left as they were.
inline void SetShortString(unsigned char* p, std::size_t capacity, std::string_view text) {
    std::size_t length = text.size() < capacity ? text.size() : capacity;
    p[0] = static_cast<unsigned char>(length);
    if (length > 0)
        std::memcpy(p + 1, text.data(), length);
}

} // namespace vorlane::bytes
