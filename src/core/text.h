#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Text helpers shared by every part of the program. Texts are Windows-1252 bytes.
namespace vorlane {

// Removes leading and trailing space characters (only ' ').
std::string Trim(std::string_view text);
// Pads with spaces up to length; longer texts are returned unchanged.
std::string PadRight(std::string_view text, std::size_t length);
// 1234567 -> "1,234,567"; negative numbers keep their sign.
std::string FormatThousands(long long value);

// Windows-1252 letter case: a..z, 224..246 and 248..254 map 32 down on upper-casing;
// A..Z, 192..214 and 216..222 map 32 up on lower-casing. Other bytes are unchanged.
unsigned char UpperCase1252(unsigned char c);
unsigned char LowerCase1252(unsigned char c);
std::string UpperCase1252(std::string_view text);
std::string LowerCase1252(std::string_view text);
// Plain ASCII upper-casing (a..z only), for the offensive-word list and the hidden phrase.
std::string AsciiUpperCase(std::string_view text);

// Compares two texts the way the sorted lists do: letters without regard to case or accent
// first, then lower-cased bytes, so "apple" < "Banana" and "Ecole" < "école" < "Eden".
int CompareNoCase(std::string_view a, std::string_view b);
// True when the texts are equal without regard to letter case (Windows-1252).
bool EqualsNoCase(std::string_view a, std::string_view b);

// The decimal number formed by the leading digits of a typed text; leading spaces and a
// sign are allowed. A text without digits reads as 0; values beyond 32 bits saturate.
std::int32_t ReadWholeNumber(std::string_view text);

// Names a copy: "Animals" -> "Animals (2)", "Animals (2)" -> "Animals (3)",
// "Set (x)" -> "Set (x) (2)". The result is cut to capacity characters.
std::string CopySuffix(std::string_view name, std::size_t capacity);

} // namespace vorlane
