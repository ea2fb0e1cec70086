#include "core/collection_file.h"

#include "core/io_error.h"
#include "core/text.h"

#include <unordered_map>

namespace vorlane {

namespace {

constexpr std::uint64_t kRecordSize = PuzzleRecord::kSize;

std::string ShortString(const unsigned char* p, std::size_t capacity) {
    std::size_t length = p[0] < capacity ? p[0] : capacity;
    return std::string(reinterpret_cast<const char*>(p + 1), length);
}

std::string_view Bytes(const PuzzleRecord& record) {
    return std::string_view(reinterpret_cast<const char*>(record.Data()), PuzzleRecord::kSize);
}

} // namespace

CollectionListing CollectionFile::List() const {
    CollectionListing listing;
    File file = m_file.OpenForReading();
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
    return static_cast<int>(m_file.Count());
}

bool CollectionFile::Read(int n, PuzzleRecord& record) const {
    PuzzleRecord read;
    if (!m_file.Read(n, read.Data()))
        return false;
    record = read;
    return true;
}

SaveResult CollectionFile::Append(const PuzzleRecord& record) {
    return m_file.Append(Bytes(record), kMaxRecords);
}

SaveResult CollectionFile::Replace(int n, const PuzzleRecord& record) {
    return m_file.Replace(n, Bytes(record));
}

bool CollectionFile::Delete(int n) {
    return m_file.Delete(n);
}

bool CollectionFile::CreateEmpty() {
    return m_file.CreateEmpty();
}

} // namespace vorlane
