#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlane {

// A Windows-style initialisation file held as its lines of bytes (Windows-1252). Reading
// follows the Windows profile functions: section and key names match without regard to ASCII
// case, whitespace around keys and values is dropped, and one pair of double quotes that
// encloses a value is removed. Writing changes only the line of the key it writes, so
// comments, blank lines and keys the program does not know stay where they are.
class IniFile {
public:
    IniFile() = default;

    // A missing or unreadable file gives an empty IniFile.
    static IniFile Load(const std::string& path);
    // Accepts CRLF and LF line ends.
    static IniFile Parse(std::string_view bytes);

    // The value of the first key of that name in the first section of that name.
    std::optional<std::string> Read(std::string_view section, std::string_view key) const;
    // Replaces the key's line in place, or adds the key at the end of its section (before the
    // section's trailing blank and comment lines), or adds the section at the end of the
    // file. A value is kept up to its first line break, and quoted when Read would otherwise
    // change it.
    void Write(std::string_view section, std::string_view key, std::string_view value);

    // The whole file with CRLF line ends.
    std::string Bytes() const;
    // Replaces the file at path atomically. Returns false when the new file cannot be created;
    // throws IoError when a later step fails, with the old file left whole.
    bool Save(const std::string& path) const;

private:
    std::vector<std::string> m_lines;
};

} // namespace vorlane
