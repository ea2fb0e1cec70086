#include "core/collection_file.h"

#include "core/io_error.h"
#include "core/safe_file.h"
#include "core/text.h"

#include <cerrno>
#include <unordered_map>

namespace vorlane {

namespace {

constexpr std::uint64_t kRecordSize = PuzzleRecord::kSize;

std::string ShortString(const unsigned char* p, std::size_t capacity) {
    std::size_t length = p[0] < capacity ? p[0] : capacity;
    return std::string(reinterpret_cast<const char*>(p + 1), length);
}

} // namespace

CollectionListing CollectionFile::List() const {
    RecoverJournal(m_path);
    CollectionListing listing;
    File file = File::Open(m_path, File::Mode::ReadOnly);
    if (!file.IsOpen())
        return listing;
    const std::uint64_t size = file.Size();
    // A torn last record makes the whole file unreadable for listing, as it always has.
    if (size % kRecordSize != 0)
        throw IoError::ReadBeyondEnd();
    const std::uint64_t count = size / kRecordSize;
    if (count > static_cast<std::uint64_t>(kMaxRecords))
        throw IoError("The collection holds " + FormatThousands(static_cast<long long>(count)) +
                      " puzzles; a collection can hold at most " + FormatThousands(kMaxRecords) +
                      ".");

    listing.TitleList.reserve(static_cast<std::size_t>(count));
    std::unordered_map<std::string, int> categoryNumbers;
    unsigned char listed[PuzzleRecord::kListedSize];
    constexpr std::size_t kCategoryAt = PuzzleRecord::kCategoryOffset - PuzzleRecord::kListedOffset;
    constexpr std::size_t kTitleAt = PuzzleRecord::kTitleOffset - PuzzleRecord::kListedOffset;
    for (std::uint64_t r = 0; r < count; ++r) {
        file.ReadAt(r * kRecordSize + PuzzleRecord::kListedOffset, listed, sizeof listed);
        std::string category = ShortString(listed + kCategoryAt, PuzzleRecord::kCategoryCapacity);
        auto [found, added] =
            categoryNumbers.try_emplace(category, static_cast<int>(listing.CategoryList.size()));
        if (added)
            listing.CategoryList.push_back(std::move(category));
        const int c = found->second;
        listing.TitleList.push_back({ShortString(listed + kTitleAt, PuzzleRecord::kTitleCapacity),
                                     PuzzleKey(static_cast<int>(r), c)});
    }
    return listing;
}

int CollectionFile::Count() const {
    RecoverJournal(m_path);
    File file = File::Open(m_path, File::Mode::ReadOnly);
    if (!file.IsOpen())
        return 0;
    return static_cast<int>(file.Size() / kRecordSize);
}

bool CollectionFile::Read(int n, PuzzleRecord& record) const {
    RecoverJournal(m_path);
    File file = File::Open(m_path, File::Mode::ReadOnly);
    if (!file.IsOpen())
        return false;
    if (n < 0)
        throw IoError::ReadBeyondEnd();
    PuzzleRecord read;
    file.ReadAt(static_cast<std::uint64_t>(n) * kRecordSize, read.Data(), kRecordSize);
    record = read;
    return true;
}

SaveResult CollectionFile::Append(const PuzzleRecord& record) {
    return WriteRecord(0, true, record);
}

SaveResult CollectionFile::Replace(int n, const PuzzleRecord& record) {
    return WriteRecord(n, false, record);
}

SaveResult CollectionFile::WriteRecord(int n, bool append, const PuzzleRecord& record) {
    RecoverJournal(m_path);
    File file = File::Open(m_path, File::Mode::ReadWrite);
    if (!file.IsOpen())
        file = File::Create(m_path);
    if (!file.IsOpen())
        return SaveResult::CannotOpen;
    const std::uint64_t count = file.Size() / kRecordSize;
    std::uint64_t position = 0;
    if (append) {
        if (count >= static_cast<std::uint64_t>(kMaxRecords))
            return SaveResult::Full;
        position = count;
    } else {
        // A record that is no longer there (the file was changed meanwhile) cannot be
        // replaced; writing past the end would leave a gap of garbage records.
        if (n < 0 || static_cast<std::uint64_t>(n) >= count)
            throw IoError::ReadBeyondEnd();
        position = static_cast<std::uint64_t>(n);
    }
    JournaledWrite(m_path, file, position * kRecordSize,
                   std::string_view(reinterpret_cast<const char*>(record.Data()), kRecordSize));
    file.Close();
    return SaveResult::Saved;
}

bool CollectionFile::Delete(int n) {
    RecoverJournal(m_path);
    File file = File::Open(m_path, File::Mode::ReadWrite);
    if (!file.IsOpen())
        return false;
    const std::uint64_t count = file.Size() / kRecordSize;
    if (n < 0 || static_cast<std::uint64_t>(n) >= count)
        return false;
    const auto at = static_cast<std::uint64_t>(n) * kRecordSize;
    const std::uint64_t after = (count - 1 - static_cast<std::uint64_t>(n)) * kRecordSize;
    bool written = AtomicRewrite(m_path, [&](File& out) {
        if (at > 0)
            out.CopyFrom(file, 0, at, 0);
        if (after > 0)
            out.CopyFrom(file, at + kRecordSize, after, at);
    });
    // The old file could be opened but no new one made beside it: that is a failed delete.
    if (!written)
        throw IoError::FromErrno(errno);
    return true;
}

bool CollectionFile::CreateEmpty() {
    RecoverJournal(m_path);
    return AtomicWriteFile(m_path, {});
}

} // namespace vorlane
