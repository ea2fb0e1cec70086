#include "core/test_collections.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace vorlane::test {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vorlane-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("mkdtemp failed");
    m_path = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::vector<std::string> TempDir::Entries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(m_path))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

PuzzleRecord MakeRecord(const std::string& category, const std::string& title) {
    PuzzleRecord record;
    unsigned char* p = record.Data();
    p[6] = static_cast<unsigned char>(category.size());
    std::memcpy(p + 7, category.data(), category.size());
    p[27] = static_cast<unsigned char>(title.size());
    std::memcpy(p + 28, title.data(), title.size());
    // A byte deep in the page layout and the last byte, so whole-record copies are checked.
    p[90000] = static_cast<unsigned char>(title.empty() ? 0 : title[0]);
    p[PuzzleRecord::kSize - 1] = static_cast<unsigned char>(category.size() + 1);
    return record;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string RecordBytes(const PuzzleRecord& record) {
    return std::string(reinterpret_cast<const char*>(record.Data()), PuzzleRecord::kSize);
}

void WriteCollection(const std::string& path, const std::vector<PuzzleRecord>& records) {
    std::string bytes;
    for (const PuzzleRecord& r : records)
        bytes += RecordBytes(r);
    WriteBytes(path, bytes);
}

} // namespace vorlane::test
