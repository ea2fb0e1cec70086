#include "core/puzzle_transfer.h"

#include "core/collection_file.h"
#include "core/io_error.h"
#include "core/puzzle_record.h"
#include "core/record_file.h"
#include "core/safe_file.h"
#include "core/text.h"

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>

namespace vorlane {

namespace {

constexpr std::uint64_t kRecordSize = PuzzleRecord::kSize;

std::string AbsoluteNormal(const std::string& path) {
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(path, error);
    if (error)
        return path;
    return absolute.lexically_normal().string();
}

// A collection reached through a symbolic link is rewritten where it really lies, so the
// link keeps pointing at it.
std::string WherePathLies(const std::string& path) {
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr)
        return path;
    return resolved;
}

// Writes a new collection at target: the complete records it held when keepTarget is set,
// then the chosen records of source. Built beside the target and renamed over it, so the
// target either holds the whole result or stays as it was.
TransferOutcome WriteTransfer(const std::string& sourcePath, const std::string& target,
                              const std::vector<int>& records, bool keepTarget) {
    File source = RecordFile(sourcePath, kRecordSize).OpenForReading();
    if (!source.IsOpen())
        return TransferOutcome::CannotOpenSource;
    // A record number beyond the source means the file changed since it was listed; that
    // fails before anything is written.
    const std::uint64_t available = source.Size() / kRecordSize;
    for (int r : records)
        if (r < 0 || static_cast<std::uint64_t>(r) >= available)
            throw IoError::ReadBeyondEnd();

    // An unfinished change left behind would otherwise be rolled back later over the new
    // content.
    RecoverJournal(target);
    const std::string place = WherePathLies(target);
    // A file the user may not write to is left alone, although a rename could replace it.
    File old = File::Open(place, File::Mode::ReadWrite);
    if (!old.IsOpen() && FileExists(place))
        return TransferOutcome::CannotOpenTarget;
    const std::uint64_t kept = keepTarget && old.IsOpen() ? old.Size() / kRecordSize : 0;
    if (kept + records.size() > static_cast<std::uint64_t>(CollectionFile::kMaxRecords))
        return TransferOutcome::Full;

    const bool written = AtomicRewrite(place, [&](File& out) {
        // A torn last record of the target is left out, as an append writes over it.
        if (kept > 0)
            out.CopyFrom(old, 0, kept * kRecordSize, 0);
        std::uint64_t at = kept * kRecordSize;
        for (int r : records) {
            out.CopyFrom(source, static_cast<std::uint64_t>(r) * kRecordSize, kRecordSize, at);
            at += kRecordSize;
        }
    });
    return written ? TransferOutcome::Done : TransferOutcome::CannotOpenTarget;
}

Message Error(std::string text) {
    return Message{std::move(text), "Error"};
}

} // namespace

bool SameFile(const std::string& a, const std::string& b) {
    struct stat first {};
    struct stat second {};
    if (::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0)
        return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
    return AbsoluteNormal(a) == AbsoluteNormal(b);
}

std::vector<TransferEntry> TransferList(const std::string& path) {
    std::vector<TransferEntry> entries;
    CollectionListing listing = CollectionFile(path).List();
    entries.reserve(listing.TitleList.size());
    for (TitleEntry& entry : listing.TitleList)
        entries.push_back({std::move(entry.Title), KeyRecord(entry.Key)});
    return entries;
}

TransferOutcome ImportPuzzles(const std::string& source, const std::string& target,
                              const std::vector<int>& records) {
    return WriteTransfer(source, target, records, true);
}

TransferOutcome ExportPuzzles(const std::string& current, const std::string& target,
                              const std::vector<int>& records) {
    return WriteTransfer(current, target, records, false);
}

namespace transfer_messages {

Message NotValidVorlaneFile() {
    return Error("The file selected is not a valid Vorlane file.");
}
Message SameAsCurrentFile() {
    return Error("Import File cannot be the same as the currently open file.");
}
Message NoneSelectedForImport() {
    return Error("No puzzles have been selected for import.");
}
Message CannotImport() {
    return Error("Unable to import puzzles.");
}
Message NoneSelectedForExport() {
    return Error("No puzzles have been selected for export.");
}
Message CannotExport() {
    return Error("Unable to export puzzles.");
}
Message CollectionFull() {
    return Error("The collection cannot take that many puzzles.  A collection holds at most " +
                 FormatThousands(CollectionFile::kMaxRecords) + " puzzles.");
}

} // namespace transfer_messages

} // namespace vorlane
