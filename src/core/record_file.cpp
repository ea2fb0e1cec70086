#include "core/record_file.h"

#include "core/io_error.h"

#include <cerrno>
#include <climits>

namespace vorlane {

File RecordFile::OpenForReading() const {
    RecoverJournal(m_path);
    return File::Open(m_path, File::Mode::ReadOnly);
}

std::int64_t RecordFile::Count() const {
    File file = OpenForReading();
    if (!file.IsOpen())
        return 0;
    return static_cast<std::int64_t>(file.Size() / m_recordSize);
}

bool RecordFile::Read(std::int64_t n, void* data) const {
    File file = OpenForReading();
    if (!file.IsOpen())
        return false;
    if (n < 0)
        throw IoError::ReadBeyondEnd();
    file.ReadAt(static_cast<std::uint64_t>(n) * m_recordSize, data, m_recordSize);
    return true;
}

File RecordFile::OpenForWriting() {
    RecoverJournal(m_path);
    File file = File::Open(m_path, File::Mode::ReadWrite);
    if (!file.IsOpen())
        file = File::Create(m_path);
    return file;
}

SaveResult RecordFile::Append(std::string_view record, std::int64_t maxRecords) {
    File file = OpenForWriting();
    if (!file.IsOpen())
        return SaveResult::CannotOpen;
    const auto count = static_cast<std::int64_t>(file.Size() / m_recordSize);
    if (count >= maxRecords)
        return SaveResult::Full;
    JournaledWrite(m_path, file, static_cast<std::uint64_t>(count) * m_recordSize,
                   record.substr(0, m_recordSize));
    file.Close();
    return SaveResult::Saved;
}

SaveResult RecordFile::Replace(std::int64_t n, std::string_view record) {
    File file = OpenForWriting();
    if (!file.IsOpen())
        return SaveResult::CannotOpen;
    const auto count = static_cast<std::int64_t>(file.Size() / m_recordSize);
    if (n < 0 || n >= count)
        throw IoError::ReadBeyondEnd();
    JournaledWrite(m_path, file, static_cast<std::uint64_t>(n) * m_recordSize,
                   record.substr(0, m_recordSize));
    file.Close();
    return SaveResult::Saved;
}

bool RecordFile::Delete(std::int64_t n) {
    RecoverJournal(m_path);
    File file = File::Open(m_path, File::Mode::ReadWrite);
    if (!file.IsOpen())
        return false;
    const auto count = static_cast<std::int64_t>(file.Size() / m_recordSize);
    if (n < 0 || n >= count)
        return false;
    const std::uint64_t at = static_cast<std::uint64_t>(n) * m_recordSize;
    const std::uint64_t after = static_cast<std::uint64_t>(count - 1 - n) * m_recordSize;
    bool written = AtomicRewrite(m_path, [&](File& out) {
        if (at > 0)
            out.CopyFrom(file, 0, at, 0);
        if (after > 0)
            out.CopyFrom(file, at + m_recordSize, after, at);
    });
    // The old file could be opened but no new one made beside it: that is a failed delete.
    if (!written)
        throw IoError::FromErrno(errno);
    return true;
}

bool RecordFile::CreateEmpty() {
    RecoverJournal(m_path);
    return AtomicWriteFile(m_path, {});
}

} // namespace vorlane

namespace vorlane {

ExchangeOutcome ReadExchangeFile(const std::string& path, std::string_view tag, void* record,
                                 std::size_t size) {
    File file = File::Open(path, File::Mode::ReadOnly);
    if (!file.IsOpen())
        return ExchangeOutcome::CannotOpen;
    char header[6];
    if (file.ReadSomeAt(0, header, sizeof header) != sizeof header ||
        std::string_view(header, 3) != tag)
        return ExchangeOutcome::Corrupt;
    if (file.ReadSomeAt(sizeof header, record, size) != size)
        return ExchangeOutcome::Corrupt;
    return ExchangeOutcome::Read;
}

bool WriteExchangeFile(const std::string& path, std::string_view tag, std::string_view record) {
    std::string bytes(tag);
    bytes += "1.0";
    bytes += record;
    return AtomicWriteFile(path, bytes);
}

} // namespace vorlane
