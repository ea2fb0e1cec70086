#include "core/old_puzzle.h"

#include "core/bytes.h"
#include "core/io_error.h"
#include "core/safe_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace vorlane {

static_assert(OldPuzzleRecord::WordOffset(OldPuzzleRecord::kMaxWords + 1) ==
              OldPuzzleRecord::kStartCellsOffset);
static_assert(OldPuzzleRecord::StartCellOffset(OldPuzzleRecord::kMaxWords + 1) ==
              OldPuzzleRecord::kEndCellsOffset);
static_assert(OldPuzzleRecord::EndCellOffset(OldPuzzleRecord::kMaxWords + 1) ==
              OldPuzzleRecord::kSize);
static_assert(OldPuzzleRecord::kWordCapacity <= PuzzleRecord::kWordCapacity);

namespace {

bool ValidEntry(int entry) {
    return entry >= 1 && entry <= OldPuzzleRecord::kMaxWords;
}

constexpr char kVlkTag[3] = {'V', 'L', 'K'};
constexpr std::size_t kVlkHeader = 4; // the tag and the length of the text after it

} // namespace

std::string OldPuzzleRecord::Title() const {
    return bytes::GetShortString(Data() + kTitleOffset, kTitleCapacity);
}

std::int16_t OldPuzzleRecord::GridSize() const {
    return bytes::GetI16(Data() + kGridSizeOffset);
}

std::span<const unsigned char, OldPuzzleRecord::kCellCount> OldPuzzleRecord::Cells() const {
    return std::span<const unsigned char, kCellCount>(Data() + kCellsOffset, kCellCount);
}

std::int16_t OldPuzzleRecord::WordCount() const {
    return bytes::GetI16(Data() + kWordCountOffset);
}

std::string OldPuzzleRecord::Word(int entry) const {
    return ValidEntry(entry) ? bytes::GetShortString(Data() + WordOffset(entry), kWordCapacity)
                             : std::string();
}

std::int16_t OldPuzzleRecord::StartCell(int entry) const {
    return ValidEntry(entry) ? bytes::GetI16(Data() + StartCellOffset(entry)) : 0;
}

std::int16_t OldPuzzleRecord::EndCell(int entry) const {
    return ValidEntry(entry) ? bytes::GetI16(Data() + EndCellOffset(entry)) : 0;
}

void ConvertOldPuzzle(const OldPuzzleRecord& old, PuzzleRecord& working,
                      std::span<const unsigned char, PuzzleRecord::kPageLayoutSize> defaultLayout) {
    std::copy(defaultLayout.begin(), defaultLayout.end(), working.PageLayout().begin());
    working.MarkCurrentVersion();
    working.SetTitle(old.Title());
    working.SetBonusQuestion("");
    working.SetCategory(kOldPuzzleCategory);

    // The previous version never wrote sizes or counts outside these ranges; a damaged
    // record must not give a puzzle that addresses cells or words that do not exist.
    const auto side =
        static_cast<std::int16_t>(std::clamp<int>(old.GridSize(), 1, PuzzleRecord::kGridSide));
    const int count = std::clamp<int>(old.WordCount(), 0, PuzzleRecord::kMaxWords);
    working.SetGridWidth(side);
    working.SetGridHeight(side);
    working.SetWordCount(static_cast<std::int16_t>(count));
    std::copy(old.Cells().begin(), old.Cells().end(),
              working.Data() + PuzzleRecord::kWordGridOffset);

    for (int entry = 1; entry <= PuzzleRecord::kMaxWords; ++entry) {
        const bool inUse = entry <= count;
        working.SetWord(entry, inUse ? old.Word(entry) : std::string());
        working.SetClue(entry, "");
        working.SetStartCell(entry, old.StartCell(entry));
        working.SetEndCell(entry, old.EndCell(entry));
        working.SetPlaced(entry, inUse);
    }
    working.SetGenerated(true);
}

VlkRead ReadVlkFile(const std::string& path) {
    VlkRead result;
    File file = File::Open(path, File::Mode::ReadOnly);
    if (!file.IsOpen())
        return result;
    result.Outcome = VlkOutcome::Corrupt;
    unsigned char header[kVlkHeader];
    if (file.ReadSomeAt(0, header, sizeof header) != sizeof header ||
        std::memcmp(header, kVlkTag, sizeof kVlkTag) != 0)
        return result;
    OldPuzzleRecord record;
    const std::uint64_t at = kVlkHeader + header[3];
    if (file.ReadSomeAt(at, record.Data(), OldPuzzleRecord::kSize) != OldPuzzleRecord::kSize)
        return result;
    result.Outcome = VlkOutcome::Read;
    result.Record = record;
    return result;
}

Import16BitResult
Import16Bit(const std::string& vlkPath, CollectionFile& current, PuzzleRecord& working,
            std::span<const unsigned char, PuzzleRecord::kPageLayoutSize> defaultLayout) {
    const VlkRead read = ReadVlkFile(vlkPath);
    if (read.Outcome == VlkOutcome::CannotOpen)
        return Import16BitResult::CannotOpen;
    if (read.Outcome == VlkOutcome::Corrupt)
        return Import16BitResult::Corrupt;
    ConvertOldPuzzle(read.Record, working, defaultLayout);
    switch (current.Append(working)) {
    case SaveResult::Saved:
        return Import16BitResult::Imported;
    case SaveResult::CannotOpen:
        return Import16BitResult::CannotSave;
    case SaveResult::Full:
        return Import16BitResult::Full;
    }
    return Import16BitResult::CannotSave;
}

OldConversionResult
AppendOldPuzzles(const std::string& vlfupuzzPath, const std::string& collectionPath,
                 PuzzleRecord& working,
                 std::span<const unsigned char, PuzzleRecord::kPageLayoutSize> defaultLayout) {
    OldConversionResult result;
    File source = File::Open(vlfupuzzPath, File::Mode::ReadOnly);
    if (!source.IsOpen())
        return result;
    result.Outcome = OldConversionOutcome::CannotSave;
    if (!old_version::PrepareTarget(collectionPath))
        return result;

    CollectionFile target(collectionPath);
    const std::uint64_t records = source.Size() / OldPuzzleRecord::kSize;
    // Converting only some of them would leave the rest behind in a file that a later
    // conversion converts again from the start.
    const auto room =
        static_cast<std::uint64_t>(std::max(0, CollectionFile::kMaxRecords - target.Count()));
    if (records > room) {
        result.Outcome = OldConversionOutcome::Full;
        return result;
    }
    OldPuzzleRecord old;
    for (std::uint64_t r = 0; r < records; ++r) {
        source.ReadAt(r * OldPuzzleRecord::kSize, old.Data(), OldPuzzleRecord::kSize);
        ConvertOldPuzzle(old, working, defaultLayout);
        switch (target.Append(working)) {
        case SaveResult::Saved:
            ++result.Count;
            break;
        case SaveResult::CannotOpen:
            return result;
        case SaveResult::Full:
            result.Outcome = OldConversionOutcome::Full;
            return result;
        }
    }
    result.Outcome = OldConversionOutcome::Converted;
    return result;
}

OldConversionResult
ConvertOldPuzzleFile(const std::string& vlfupuzzPath, const std::string& oldpuzzPath,
                     PuzzleRecord& working,
                     std::span<const unsigned char, PuzzleRecord::kPageLayoutSize> defaultLayout) {
    OldConversionResult result =
        AppendOldPuzzles(vlfupuzzPath, oldpuzzPath, working, defaultLayout);
    if (result.Outcome == OldConversionOutcome::Converted)
        old_version::RemoveConverted(vlfupuzzPath);
    return result;
}

namespace old_version {

bool PrepareTarget(const std::string& path) {
    if (File::Open(path, File::Mode::ReadWrite).IsOpen())
        return true;
    return !FileExists(path) && AtomicWriteFile(path, {});
}

void RemoveConverted(const std::string& path) {
    if (::unlink(path.c_str()) != 0 && errno != ENOENT)
        throw IoError::FromErrno(errno);
    // Should the removal be lost in a crash, the next start would offer to convert the
    // same records again.
    try {
        SyncFolderOf(path);
    } catch (const IoError&) {
    }
}

} // namespace old_version

namespace old_version_messages {

Message ConvertPuzzlesQuestion() {
    return {"User generated puzzles from a previous version of Vorlane have been detected.  "
            "Would you like to convert them to a puzzle group?",
            "Notice"};
}
Message AddShapesQuestion() {
    return {"User generated shapes from a previous version of Vorlane have been detected.  "
            "Would you like to add them to the current list of puzzle shapes?",
            "Notice"};
}
Message CannotImportPuzzles() {
    return {"Puzzles could not be imported.", "Error"};
}
Message CannotSavePuzzles() {
    return {"Unable to save puzzles.", "Error"};
}
Message GroupCreated() {
    return {"A new puzzle group named \"OLDPUZZ.VL3\" has been created.", "Ok"};
}
Message GroupFull(const std::string& collectionName) {
    return {"The puzzle group \"" + collectionName +
                "\" cannot hold all of the puzzles from the previous version.  "
                "The previous version's puzzle file has been kept.",
            "Error"};
}
Message CannotAddShapes() {
    return {"Unable to add shapes.", "Error"};
}
Message ShapesAdded() {
    return {"Puzzle shapes have been added.", "Ok"};
}
Message CannotImportPuzzle() {
    return {"Puzzle could not be imported.", "Error"};
}
Message CorruptPuzzle() {
    return {"Puzzle file is corrupt or incompatible.  Import aborted.", "Error"};
}
Message CannotSavePuzzle() {
    return {"Unable to save puzzle.", "Error"};
}
Message CollectionFull() {
    return {"The current puzzle group is full.  Puzzle could not be imported.", "Error"};
}

Message ForConversion(OldConversionOutcome outcome) {
    switch (outcome) {
    case OldConversionOutcome::Converted:
        return GroupCreated();
    case OldConversionOutcome::CannotOpenSource:
        return CannotImportPuzzles();
    case OldConversionOutcome::CannotSave:
        return CannotSavePuzzles();
    case OldConversionOutcome::Full:
        return GroupFull("OLDPUZZ.VL3");
    }
    return CannotSavePuzzles();
}

std::optional<Message> ForImport(Import16BitResult result) {
    switch (result) {
    case Import16BitResult::Imported:
        return std::nullopt;
    case Import16BitResult::CannotOpen:
        return CannotImportPuzzle();
    case Import16BitResult::Corrupt:
        return CorruptPuzzle();
    case Import16BitResult::CannotSave:
        return CannotSavePuzzle();
    case Import16BitResult::Full:
        return CollectionFull();
    }
    return CannotSavePuzzle();
}

} // namespace old_version_messages

} // namespace vorlane
