#include "core/text.h"

#include <cstdint>
#include <limits>

namespace vorlane {

std::string Trim(std::string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && text[first] == ' ')
        ++first;
    while (last > first && text[last - 1] == ' ')
        --last;
    return std::string(text.substr(first, last - first));
}

std::string PadRight(std::string_view text, std::size_t length) {
    std::string out(text);
    if (out.size() < length)
        out.append(length - out.size(), ' ');
    return out;
}

std::string FormatThousands(long long value) {
    unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                             : static_cast<unsigned long long>(value);
    std::string digits = std::to_string(magnitude);
    std::string out;
    out.reserve(digits.size() + digits.size() / 3 + 1);
    if (value < 0)
        out.push_back('-');
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out.push_back(',');
        out.push_back(digits[i]);
    }
    return out;
}

unsigned char UpperCase1252(unsigned char c) {
    if ((c >= 'a' && c <= 'z') || (c >= 224 && c <= 246) || (c >= 248 && c <= 254))
        return static_cast<unsigned char>(c - 32);
    return c;
}

unsigned char LowerCase1252(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 192 && c <= 214) || (c >= 216 && c <= 222))
        return static_cast<unsigned char>(c + 32);
    return c;
}

std::string UpperCase1252(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(UpperCase1252(static_cast<unsigned char>(c)));
    return out;
}

std::string LowerCase1252(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(LowerCase1252(static_cast<unsigned char>(c)));
    return out;
}

std::string AsciiUpperCase(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 32);
    return out;
}

namespace {

// The letter an accented Windows-1252 letter sorts with; 0 for bytes that sort as themselves.
char BaseLetter(unsigned char c) {
    static constexpr const char* kLatin = // 192..255
        "AAAAAAACEEEEIIII"                // 192..207
        "DNOOOOO\0OUUUUYTS"               // 208..223 (215 multiplication sign, 223 sharp s)
        "AAAAAAACEEEEIIII"                // 224..239
        "DNOOOOO\0OUUUUYTY";              // 240..255 (247 division sign)
    if (c >= 'a' && c <= 'z')
        return static_cast<char>(c - 32);
    if (c >= 'A' && c <= 'Z')
        return static_cast<char>(c);
    if (c == 223)
        return 'S';
    if (c == 138 || c == 154)
        return 'S';
    if (c == 142 || c == 158)
        return 'Z';
    if (c == 159)
        return 'Y';
    if (c >= 192)
        return kLatin[c - 192];
    return 0;
}

// Primary weight: letters by their base letter, everything else by its byte, letters after
// digits and punctuation as in a dictionary.
int PrimaryWeight(unsigned char c) {
    char base = BaseLetter(c);
    if (base != 0)
        return 'A' + static_cast<unsigned char>(base);
    return c < 'A' ? c : 256 + c;
}

} // namespace

int CompareNoCase(std::string_view a, std::string_view b) {
    std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        int wa = PrimaryWeight(static_cast<unsigned char>(a[i]));
        int wb = PrimaryWeight(static_cast<unsigned char>(b[i]));
        if (wa != wb)
            return wa < wb ? -1 : 1;
    }
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    for (std::size_t i = 0; i < n; ++i) {
        unsigned char la = LowerCase1252(static_cast<unsigned char>(a[i]));
        unsigned char lb = LowerCase1252(static_cast<unsigned char>(b[i]));
        if (la != lb)
            return la < lb ? -1 : 1;
    }
    return 0;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerCase1252(static_cast<unsigned char>(a[i])) !=
            LowerCase1252(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::int32_t ReadWholeNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > kMax + 1)
            value = kMax + 1;
    }
    if (negative)
        return static_cast<std::int32_t>(-value);
    return static_cast<std::int32_t>(value > kMax ? kMax : value);
}

std::string CopySuffix(std::string_view name, std::size_t capacity) {
    std::string trimmed = Trim(name);
    std::string result;
    std::size_t open = trimmed.find('(');
    bool counted = false;
    if (!trimmed.empty() && trimmed.back() == ')' && open != std::string::npos) {
        std::string_view inside =
            std::string_view(trimmed).substr(open + 1, trimmed.size() - 1 - (open + 1));
        std::int32_t n = ReadWholeNumber(inside);
        if (n >= 1) {
            result =
                trimmed.substr(0, open) + "(" + std::to_string(static_cast<long long>(n) + 1) + ")";
            counted = true;
        }
    }
    if (!counted)
        result = trimmed + " (2)";
    if (result.size() > capacity)
        result.resize(capacity);
    return result;
}

} // namespace vorlane
