#include "core/ini_file.h"

#include "core/safe_file.h"

#include <fstream>
#include <sstream>

namespace vorlane {

namespace {

constexpr std::string_view kBlanks = " \t\v\f\r";

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

bool IsBlank(unsigned char c) {
    return kBlanks.find(static_cast<char>(c)) != kBlanks.npos;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto fold = [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; };
        if (fold(a[i]) != fold(b[i]))
            return false;
    }
    return true;
}

// "[name]" gives name; a line that is not a section header gives nothing.
std::optional<std::string_view> SectionName(std::string_view line) {
    const std::string_view text = TrimBlanks(line);
    if (text.empty() || text.front() != '[')
        return std::nullopt;
    const auto close = text.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return TrimBlanks(text.substr(1, close - 1));
}

bool IsGap(std::string_view line) {
    const std::string_view text = TrimBlanks(line);
    return text.empty() || text.front() == ';';
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

// "key=value" with both parts trimmed; comments and lines without '=' give nothing.
std::optional<KeyLine> ParseKeyLine(std::string_view line) {
    const std::string_view text = TrimBlanks(line);
    if (text.empty() || text.front() == ';' || text.front() == '[')
        return std::nullopt;
    const auto equals = text.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    const std::string_view key = TrimBlanks(text.substr(0, equals));
    if (key.empty())
        return std::nullopt;
    return KeyLine{key, TrimBlanks(text.substr(equals + 1))};
}

std::string_view Unquote(std::string_view value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        return value.substr(1, value.size() - 2);
    return value;
}

// The text to put after '=' so that Read gives value back.
std::string EncodeValue(std::string_view value) {
    value = value.substr(0, value.find_first_of("\r\n"));
    const bool needsQuotes =
        !value.empty() && (IsBlank(value.front()) || IsBlank(value.back()) ||
                           (value.size() >= 2 && value.front() == '"' && value.back() == '"'));
    if (needsQuotes)
        return "\"" + std::string(value) + "\"";
    return std::string(value);
}

} // namespace

IniFile IniFile::Load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {};
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad())
        return {};
    return Parse(bytes.str());
}

IniFile IniFile::Parse(std::string_view bytes) {
    IniFile file;
    while (!bytes.empty()) {
        const auto end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        file.m_lines.emplace_back(line);
        if (end == std::string_view::npos)
            break;
        bytes.remove_prefix(end + 1);
    }
    return file;
}

std::optional<std::string> IniFile::Read(std::string_view section, std::string_view key) const {
    bool seenSection = false;
    bool inSection = false;
    for (const std::string& line : m_lines) {
        if (const auto name = SectionName(line)) {
            if (inSection)
                return std::nullopt;
            inSection = !seenSection && SameName(*name, section);
            seenSection = seenSection || inSection;
            continue;
        }
        if (!inSection)
            continue;
        if (const auto entry = ParseKeyLine(line); entry && SameName(entry->key, key))
            return std::string(Unquote(entry->value));
    }
    return std::nullopt;
}

void IniFile::Write(std::string_view section, std::string_view key, std::string_view value) {
    const std::string encoded = EncodeValue(value);

    std::size_t header = 0;
    while (header < m_lines.size()) {
        const auto name = SectionName(m_lines[header]);
        if (name && SameName(*name, section))
            break;
        ++header;
    }
    if (header == m_lines.size()) {
        if (!m_lines.empty() && !TrimBlanks(m_lines.back()).empty())
            m_lines.emplace_back();
        m_lines.push_back("[" + std::string(section) + "]");
        m_lines.push_back(std::string(key) + "=" + encoded);
        return;
    }

    std::size_t end = header + 1;
    for (; end < m_lines.size() && !SectionName(m_lines[end]); ++end) {
        if (const auto entry = ParseKeyLine(m_lines[end]); entry && SameName(entry->key, key)) {
            // Keeps the spelling of the key the file already uses.
            m_lines[end] = std::string(entry->key) + "=" + encoded;
            return;
        }
    }
    // Blank lines and comments that end a section usually introduce the next one.
    while (end > header + 1 && IsGap(m_lines[end - 1]))
        --end;
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(end),
                   std::string(key) + "=" + encoded);
}

std::string IniFile::Bytes() const {
    std::string bytes;
    for (const std::string& line : m_lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

bool IniFile::Save(const std::string& path) const {
    return AtomicWriteFile(path, Bytes());
}

} // namespace vorlane
