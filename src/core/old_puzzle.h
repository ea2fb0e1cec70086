#pragma once

#include "core/collection_file.h"
#include "core/message.h"
#include "core/puzzle_record.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace vorlane {

// A puzzle of the previous version: the 10809-byte record of VLFUPUZZ.DAT and of 16-bit
// single-puzzle files, kept as its bytes and read through accessors at fixed offsets.
class OldPuzzleRecord {
public:
    static constexpr std::size_t kSize = 10809;
    static constexpr int kMaxWords = 330;
    static constexpr int kCellCount = 2500;

    static constexpr std::size_t kTitleOffset = 0;
    static constexpr std::size_t kTitleCapacity = 50;
    static constexpr std::size_t kGridSizeOffset = 51;
    static constexpr std::size_t kCellsOffset = 55;
    static constexpr std::size_t kWordCountOffset = 2555;
    static constexpr std::size_t kWordsOffset = 2559;
    static constexpr std::size_t kWordCapacity = 20;
    static constexpr std::size_t kStartCellsOffset = 9489;
    static constexpr std::size_t kEndCellsOffset = 10149;

    using Bytes = std::array<unsigned char, kSize>;

    OldPuzzleRecord() { m_bytes.fill(0); }

    unsigned char* Data() { return m_bytes.data(); }
    const unsigned char* Data() const { return m_bytes.data(); }
    std::span<const unsigned char, kSize> Span() const { return m_bytes; }
    bool operator==(const OldPuzzleRecord& other) const = default;

    std::string Title() const;
    // The side of the square grid, as stored; not limited.
    std::int16_t GridSize() const;
    // The 50 x 50 cells in cell index order.
    std::span<const unsigned char, kCellCount> Cells() const;
    // As stored; not limited.
    std::int16_t WordCount() const;
    // Entries are numbered 1..330; other numbers read empty/0.
    std::string Word(int entry) const;
    std::int16_t StartCell(int entry) const;
    std::int16_t EndCell(int entry) const;

    static constexpr std::size_t WordOffset(int entry) {
        return kWordsOffset + (kWordCapacity + 1) * static_cast<std::size_t>(entry - 1);
    }
    static constexpr std::size_t StartCellOffset(int entry) {
        return kStartCellsOffset + 2 * static_cast<std::size_t>(entry - 1);
    }
    static constexpr std::size_t EndCellOffset(int entry) {
        return kEndCellsOffset + 2 * static_cast<std::size_t>(entry - 1);
    }

private:
    Bytes m_bytes;
};

// The category every converted puzzle is listed under.
inline constexpr const char* kOldPuzzleCategory = "Version 2.0 Puzzles";

// Turns an old puzzle into working: a generated puzzle with defaultLayout as its page
// layout, every word placed up to the word count and no clues. A grid size outside 1..50
// and a word count outside 0..330 are brought into those ranges. FillGrid,
// HiddenPhraseUsed and Reserved keep what working held.
void ConvertOldPuzzle(const OldPuzzleRecord& old, PuzzleRecord& working,
                      std::span<const unsigned char, PuzzleRecord::kPageLayoutSize> defaultLayout);

// 16-bit single-puzzle files (*.VLK): "VLK", a byte n, n bytes of text and one old record.
enum class VlkOutcome { Read, CannotOpen, Corrupt };

struct VlkRead {
    VlkOutcome Outcome = VlkOutcome::CannotOpen;
    OldPuzzleRecord Record;
};

// Reads a 16-bit file. Bytes after the record are ignored; a file too short for the record
// is corrupt. Throws IoError when reading fails after the file was opened.
VlkRead ReadVlkFile(const std::string& path);

enum class Import16BitResult {
    Imported,   // working holds the converted puzzle, appended to the collection
    CannotOpen, // the file could not be opened; working unchanged
    Corrupt,    // not a 16-bit file or too short; working unchanged
    CannotSave, // working holds the converted puzzle; the collection could not be opened
    Full,       // working holds the converted puzzle; the collection holds the most it may
};

// Imports a 16-bit file: converts its puzzle into working and appends that to current.
Import16BitResult
Import16Bit(const std::string& vlkPath, CollectionFile& current, PuzzleRecord& working,
            std::span<const unsigned char, PuzzleRecord::kPageLayoutSize> defaultLayout);

enum class OldConversionOutcome {
    Converted,        // Count puzzles were appended
    CannotOpenSource, // the old puzzle file could not be opened
    CannotSave,       // the collection could neither be opened nor created
    Full,             // the collection cannot take all the old puzzles
};

struct OldConversionResult {
    OldConversionOutcome Outcome = OldConversionOutcome::CannotOpenSource;
    int Count = 0; // puzzles appended
};

// Converts every complete record of an old puzzle file (a torn tail is ignored) and appends
// it to the collection at collectionPath, creating it when needed; working holds the last
// one converted. When the collection cannot take all of them, nothing is appended. The old
// file is left as it is.
OldConversionResult
AppendOldPuzzles(const std::string& vlfupuzzPath, const std::string& collectionPath,
                 PuzzleRecord& working,
                 std::span<const unsigned char, PuzzleRecord::kPageLayoutSize> defaultLayout);

// The start-up conversion of VLFUPUZZ.DAT into OLDPUZZ.VL3: AppendOldPuzzles, and then,
// only when every record was appended, the old file is deleted.
OldConversionResult
ConvertOldPuzzleFile(const std::string& vlfupuzzPath, const std::string& oldpuzzPath,
                     PuzzleRecord& working,
                     std::span<const unsigned char, PuzzleRecord::kPageLayoutSize> defaultLayout);

// Shared with the conversion of old shapes.
namespace old_version {
// Opens the record file that receives converted records for writing, or creates it empty
// when it does not exist, as an append would. False when neither works.
bool PrepareTarget(const std::string& path);
// Deletes an old file whose records have all been converted. Throws IoError on failure.
void RemoveConverted(const std::string& path);
} // namespace old_version

namespace old_version_messages {
Message ConvertPuzzlesQuestion();
Message AddShapesQuestion();
Message CannotImportPuzzles();
Message CannotSavePuzzles();
Message GroupCreated();
// A collection that cannot take all the converted puzzles; collectionName as shown.
Message GroupFull(const std::string& collectionName);
Message CannotAddShapes();
Message ShapesAdded();
Message CannotImportPuzzle();
Message CorruptPuzzle();
Message CannotSavePuzzle();
Message CollectionFull();

// What the start-up conversion into OLDPUZZ.VL3 tells the user.
Message ForConversion(OldConversionOutcome outcome);
// What a 16-bit import tells the user; nothing when it worked.
std::optional<Message> ForImport(Import16BitResult result);
} // namespace old_version_messages

} // namespace vorlane
