#pragma once

#include "core/safe_file.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vorlane {

enum class SaveResult {
    Saved,
    CannotOpen, // the file could neither be opened nor created
    Full,       // the file already holds the most records it may hold
};

// A file that is a bare sequence of fixed-size records: collections, shapes and page
// layouts. Every operation opens the file by its path and closes it before returning.
// Changes are crash-safe: an append or replace is journaled, a delete writes a new file
// and renames it over the old one, and each operation first rolls back a change that an
// earlier run left unfinished.
class RecordFile {
public:
    RecordFile(std::string path, std::size_t recordSize)
        : m_path(std::move(path)), m_recordSize(recordSize) {}

    const std::string& Path() const { return m_path; }
    std::size_t RecordSize() const { return m_recordSize; }

    // Opens the file read-only after rolling back an unfinished change; unopened when the
    // file cannot be opened.
    File OpenForReading() const;
    // Number of complete records; 0 when the file cannot be opened.
    std::int64_t Count() const;
    // Reads record n into data (RecordSize() bytes). Returns false when the file cannot be
    // opened; throws IoError when the file holds no record n.
    bool Read(std::int64_t n, void* data) const;
    // Writes a record after the last complete one (over a torn tail), creating the file
    // when needed. maxRecords limits how many records the file may come to hold.
    SaveResult Append(std::string_view record, std::int64_t maxRecords = INT64_MAX);
    // Writes a record over record n, creating the file when needed; throws IoError when
    // there is no record n (writing past the end would leave a gap of garbage records).
    SaveResult Replace(std::int64_t n, std::string_view record);
    // Removes record n, closing the gap; a torn tail goes with it. Returns false when the
    // file cannot be opened or holds no record n; nothing changes then.
    bool Delete(std::int64_t n);
    // Creates the file empty, replacing any content. Returns false when it cannot be made.
    bool CreateEmpty();

private:
    File OpenForWriting();

    std::string m_path;
    std::size_t m_recordSize;
};

} // namespace vorlane

namespace vorlane {

// A record file of one record type, which has kSize, Data() and Bytes().
template <class Record> class TypedRecordFile {
public:
    explicit TypedRecordFile(std::string path) : m_file(std::move(path), Record::kSize) {}

    const std::string& Path() const { return m_file.Path(); }
    int Count() const { return static_cast<int>(m_file.Count()); }
    // False when the file cannot be opened; IoError when it holds no record n.
    bool Read(int n, Record& record) const {
        Record read;
        if (!m_file.Read(n, read.Data()))
            return false;
        record = read;
        return true;
    }
    // Every complete record in file order; none when the file cannot be opened.
    std::vector<Record> ReadAll() const {
        std::vector<Record> records;
        File file = m_file.OpenForReading();
        if (!file.IsOpen())
            return records;
        records.resize(static_cast<std::size_t>(file.Size() / Record::kSize));
        for (std::size_t i = 0; i < records.size(); ++i)
            file.ReadAt(i * Record::kSize, records[i].Data(), Record::kSize);
        return records;
    }
    SaveResult Append(const Record& record) { return m_file.Append(record.Bytes()); }
    SaveResult Replace(int n, const Record& record) { return m_file.Replace(n, record.Bytes()); }
    bool Delete(int n) { return m_file.Delete(n); }

protected:
    RecordFile m_file;
};

// Exchange files: a three-character tag, a three-character version (never compared) and
// one record; anything after the record is ignored.
enum class ExchangeOutcome { Read, CannotOpen, Corrupt };

// Reads the record of an exchange file into record (size bytes). Corrupt when the tag
// differs or the file ends early.
ExchangeOutcome ReadExchangeFile(const std::string& path, std::string_view tag, void* record,
                                 std::size_t size);
// Writes tag, "1.0" and the record, replacing the file. False when it cannot be made.
bool WriteExchangeFile(const std::string& path, std::string_view tag, std::string_view record);

} // namespace vorlane
