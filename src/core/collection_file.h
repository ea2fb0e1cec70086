#pragma once

#include "core/puzzle_record.h"
#include "core/record_file.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vorlane {

// The 32-bit key of a title list entry: record number in the low half, category number in
// the high half.
constexpr std::uint32_t PuzzleKey(int record, int category) {
    return static_cast<std::uint32_t>(record) + 65536u * static_cast<std::uint32_t>(category);
}
constexpr int KeyRecord(std::uint32_t key) {
    return static_cast<int>(key & 0xFFFFu);
}
constexpr int KeyCategory(std::uint32_t key) {
    return static_cast<int>(key >> 16);
}

struct TitleEntry {
    std::string Title;
    std::uint32_t Key = 0;
};

// What listing a collection gives: the distinct categories in order of first appearance
// (compared byte for byte) and one title per record in file order.
struct CollectionListing {
    std::vector<std::string> CategoryList;
    std::vector<TitleEntry> TitleList;
};

// A puzzle collection file: a bare sequence of 95830-byte puzzle records, changed
// crash-safely as every record file is.
class CollectionFile {
public:
    // Record and category numbers are 16-bit halves of PuzzleKey.
    static constexpr int kMaxRecords = 65536;

    explicit CollectionFile(std::string path) : m_file(std::move(path), PuzzleRecord::kSize) {}
    const std::string& Path() const { return m_file.Path(); }

    // Lists the file. One that cannot be opened lists nothing. Throws IoError for a damaged
    // file (a size that is not a whole number of records) and for one with too many records.
    CollectionListing List() const;
    // Number of complete records; 0 when the file cannot be opened.
    int Count() const;
    // Reads record n. Returns false when the file cannot be opened; throws IoError when
    // the file holds no record n.
    bool Read(int n, PuzzleRecord& record) const;
    // Writes the record after the last complete one, creating the file when needed;
    // refuses (Full) when the collection already holds kMaxRecords.
    SaveResult Append(const PuzzleRecord& record);
    // Writes the record over record n, creating the file when needed.
    SaveResult Replace(int n, const PuzzleRecord& record);
    // Removes record n, closing the gap. Returns false when the file cannot be opened or
    // holds no record n; nothing changes then.
    bool Delete(int n);
    // Creates the file empty, replacing any content. Returns false when it cannot be made.
    bool CreateEmpty();

private:
    RecordFile m_file;
};

} // namespace vorlane
