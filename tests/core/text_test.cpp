#include "core/codepage.h"
#include "core/text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vorlane {
namespace {

std::string B(std::initializer_list<int> bytes) {
    std::string s;
    for (int b : bytes)
        s.push_back(static_cast<char>(b));
    return s;
}

TEST(TextHelpers, TrimRemovesOnlySpaces) {
    EXPECT_EQ(Trim("  ice cream  "), "ice cream");
    EXPECT_EQ(Trim("\tword\t"), "\tword\t");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim(""), "");
    EXPECT_EQ(PadRight("ab", 4), "ab  ");
    EXPECT_EQ(PadRight("abcdef", 4), "abcdef");
}

TEST(TextHelpers, FormatThousands) {
    const std::vector<std::pair<long long, std::string>> cases = {
        {0, "0"},          {999, "999"},
        {1000, "1,000"},   {1234, "1,234"},
        {65536, "65,536"}, {1234567, "1,234,567"},
        {-1234, "-1,234"}, {-9223372036854775807LL - 1, "-9,223,372,036,854,775,808"}};
    for (const auto& [value, text] : cases)
        EXPECT_EQ(FormatThousands(value), text) << value;
}

TEST(TextHelpers, LetterCaseOfTheUpperHalf) {
    // The pairs that change, at the edges of each range.
    const std::vector<std::pair<int, int>> pairs = {{'A', 'a'}, {'Z', 'z'}, {192, 224},
                                                    {214, 246}, {216, 248}, {222, 254}};
    for (auto [upper, lower] : pairs) {
        EXPECT_EQ(LowerCase1252(static_cast<unsigned char>(upper)), lower) << upper;
        EXPECT_EQ(UpperCase1252(static_cast<unsigned char>(lower)), upper) << lower;
    }
    // Bytes that stay as they are in both directions: the multiplication and division
    // signs, sharp s, y with diaeresis, and the bytes around the letter ranges.
    for (int c : {215, 223, 247, 255, 191, 64, 91, 96, 123, 0x8A, 0x9A}) {
        EXPECT_EQ(UpperCase1252(static_cast<unsigned char>(c)), c) << c;
        EXPECT_EQ(LowerCase1252(static_cast<unsigned char>(c)), c) << c;
    }
    for (int c = 192; c <= 255; ++c) {
        auto b = static_cast<unsigned char>(c);
        if (c <= 222 && c != 215) {
            EXPECT_EQ(UpperCase1252(LowerCase1252(b)), b) << c;
        }
        if (c >= 224 && c != 247 && c != 255) {
            EXPECT_EQ(LowerCase1252(UpperCase1252(b)), b) << c;
        }
    }
    EXPECT_EQ(UpperCase1252(B({'c', 'r', 0xE8, 'm', 'e'})), B({'C', 'R', 0xC8, 'M', 'E'}));
    EXPECT_EQ(AsciiUpperCase(B({'c', 'r', 0xE8, 'm', 'e'})), B({'C', 'R', 0xE8, 'M', 'E'}));
}

TEST(TextHelpers, ReadWholeNumber) {
    const std::vector<std::pair<std::string, int>> cases = {{"12", 12},
                                                            {"12abc", 12},
                                                            {"  7", 7},
                                                            {"-5", -5},
                                                            {"+8x", 8},
                                                            {"", 0},
                                                            {"abc", 0},
                                                            {"- 5", 0},
                                                            {" 0042", 42},
                                                            {"99999999999", 2147483647},
                                                            {"-99999999999", -2147483647 - 1}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(ReadWholeNumber(text), value) << '"' << text << '"';
}

TEST(TextHelpers, CopySuffix) {
    const std::string t35 = "A title of exactly thirty-five char"; // 35 characters
    ASSERT_EQ(t35.size(), 35u);
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Animals", "Animals (2)"},
        {"Animals (2)", "Animals (3)"},
        {"Animals (9)", "Animals (10)"},
        {"  Animals  ", "Animals (2)"},
        {"Set (x)", "Set (x) (2)"},
        {"Set (0)", "Set (0) (2)"},
        {"Set (-3)", "Set (-3) (2)"},
        {"Set (4) extra", "Set (4) extra (2)"},
        {"Set (3a)", "Set (4)"},
        {"A (b) (7)", "A (b) (7) (2)"},
        {"A (5) (7)", "A (6)"},
        {"()", "() (2)"},
        {"", " (2)"},
        {t35, t35},
        {std::string(32, 'x') + "(9)", std::string(32, 'x') + "(10"},
    };
    for (const auto& [name, copy] : cases)
        EXPECT_EQ(CopySuffix(name, 35), copy) << '"' << name << '"';
    EXPECT_EQ(CopySuffix("Square", 8), "Square (");
}

TEST(TextHelpers, SortOrderIgnoresCaseAndAccents) {
    std::vector<std::string> ordered = {
        "1st", "apple", "Banana", "Ecole", B({0xE9, 'c', 'o', 'l', 'e'}), "Eden", "zebra"};
    for (std::size_t i = 0; i + 1 < ordered.size(); ++i) {
        EXPECT_LT(CompareNoCase(ordered[i], ordered[i + 1]), 0) << ordered[i];
        EXPECT_GT(CompareNoCase(ordered[i + 1], ordered[i]), 0) << ordered[i];
    }
    EXPECT_EQ(CompareNoCase("Same", "Same"), 0);
    EXPECT_EQ(CompareNoCase("Banana", "banana"), 0);
    EXPECT_TRUE(EqualsNoCase("Animals", "aNIMALS"));
    EXPECT_TRUE(EqualsNoCase(B({0xC9, 't', 0xE9}), B({0xE9, 'T', 0xC9})));
    EXPECT_FALSE(EqualsNoCase("Animal", "Animals"));
    EXPECT_FALSE(EqualsNoCase("Ecole", B({0xE9, 'c', 'o', 'l', 'e'})));
}

TEST(Codepage, ConvertsBothWays) {
    const std::string cp = B({'C', 'a', 'f', 0xE9, ' ', 0x80, ' ', 0x93, 'x', 0x94, ' ', 0xFF});
    const std::string utf8 = "Caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x9Cx\xE2\x80\x9D \xC3\xBF";
    EXPECT_EQ(Cp1252ToUtf8(cp), utf8);
    EXPECT_EQ(Utf8ToCp1252(utf8), cp);
    // Every byte survives a round trip, the five undefined ones included.
    std::string all;
    for (int c = 1; c < 256; ++c)
        all.push_back(static_cast<char>(c));
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
    // Characters Windows-1252 lacks, and broken UTF-8, become question marks.
    EXPECT_EQ(Utf8ToCp1252("\xE4\xB8\xAD!"), "?!");
    EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a?");
    EXPECT_TRUE(IsValidUtf8("plain"));
    EXPECT_TRUE(IsValidUtf8(utf8));
    EXPECT_FALSE(IsValidUtf8(cp));
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));     // overlong '/'
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80")); // a surrogate
    EXPECT_EQ(Utf8ToCp1252Exact(utf8), cp);
    EXPECT_EQ(Utf8ToCp1252Exact("why?"), "why?");
    EXPECT_FALSE(Utf8ToCp1252Exact("\xE4\xB8\xAD").has_value());
    EXPECT_FALSE(Utf8ToCp1252Exact("\xC3").has_value());
    EXPECT_EQ(Utf8ToCp1252("\xFF\xC3\x28"), "?"
                                            "?(");
}

} // namespace
} // namespace vorlane
