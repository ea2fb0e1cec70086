#pragma once

#include <optional>
#include <string>
#include <string_view>

// Conversion between the Windows-1252 bytes of records and UTF-8 for the outside world.
namespace vorlane {

std::string Cp1252ToUtf8(std::string_view bytes);
// Characters without a Windows-1252 byte become '?'; malformed UTF-8 bytes likewise.
std::string Utf8ToCp1252(std::string_view utf8);
// True when the bytes are well-formed UTF-8 (plain ASCII is).
bool IsValidUtf8(std::string_view bytes);
// The Windows-1252 form of well-formed UTF-8, or nothing when a character has none.
std::optional<std::string> Utf8ToCp1252Exact(std::string_view utf8);

} // namespace vorlane
