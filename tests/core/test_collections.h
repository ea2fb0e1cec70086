#pragma once

#include "core/puzzle_record.h"

#include <string>
#include <vector>

namespace vorlane::test {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& Path() const { return m_path; }
    std::string File(const std::string& name) const { return m_path + "/" + name; }
    // Names of the entries in the folder, sorted.
    std::vector<std::string> Entries() const;

private:
    std::string m_path;
};

// A record whose category and title are written straight at their byte offsets, with a
// few more bytes set so that records differ beyond the listed fields.
PuzzleRecord MakeRecord(const std::string& category, const std::string& title);

void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);
std::string RecordBytes(const PuzzleRecord& record);
// Writes a collection holding the records in order.
void WriteCollection(const std::string& path, const std::vector<PuzzleRecord>& records);

} // namespace vorlane::test
