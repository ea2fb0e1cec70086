#include "core/codepage.h"

#include <cstdint>

namespace vorlane {

namespace {

// Unicode code points of the bytes 0x80..0x9F; 0 where Windows-1252 defines no character
// (those bytes map to the C1 control of the same value, as Windows does).
constexpr char32_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t CodePoint(unsigned char c) {
    if (c >= 0x80 && c <= 0x9F && kHigh[c - 0x80] != 0)
        return kHigh[c - 0x80];
    return c;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

char ByteFor(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<char>(cp);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == cp || (kHigh[i] == 0 && cp == static_cast<char32_t>(0x80 + i)))
            return static_cast<char>(0x80 + i);
    return '?';
}

} // namespace

std::string Cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (char c : bytes)
        AppendUtf8(out, CodePoint(static_cast<unsigned char>(c)));
    return out;
}

namespace {

// Decodes the character at i; returns its length, or 0 for a malformed sequence.
std::size_t DecodeUtf8(std::string_view utf8, std::size_t i, char32_t& cp) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const int extra = lead < 0x80           ? 0
                      : (lead >> 5) == 0x6  ? 1
                      : (lead >> 4) == 0xE  ? 2
                      : (lead >> 3) == 0x1E ? 3
                                            : -1;
    if (extra < 0 || i + static_cast<std::size_t>(extra) >= utf8.size() + (extra == 0 ? 1 : 0))
        return 0;
    cp = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
        const auto next = static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]);
        if ((next & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not well-formed.
    static constexpr char32_t kMin[4] = {0, 0x80, 0x800, 0x10000};
    if (cp < kMin[extra] || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF)
        return 0;
    return static_cast<std::size_t>(extra) + 1;
}

} // namespace

bool IsValidUtf8(std::string_view bytes) {
    char32_t cp = 0;
    for (std::size_t i = 0; i < bytes.size();) {
        std::size_t n = DecodeUtf8(bytes, i, cp);
        if (n == 0)
            return false;
        i += n;
    }
    return true;
}

std::optional<std::string> Utf8ToCp1252Exact(std::string_view utf8) {
    std::string out;
    char32_t cp = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        std::size_t n = DecodeUtf8(utf8, i, cp);
        if (n == 0)
            return std::nullopt;
        char byte = ByteFor(cp);
        if (byte == '?' && cp != '?')
            return std::nullopt;
        out.push_back(byte);
        i += n;
    }
    return out;
}

std::string Utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    char32_t cp = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        std::size_t n = DecodeUtf8(utf8, i, cp);
        if (n == 0) {
            out.push_back('?');
            ++i;
            continue;
        }
        out.push_back(ByteFor(cp));
        i += n;
    }
    return out;
}

} // namespace vorlane
