#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vorlane {

// One puzzle: the 95830-byte record of the collection files, kept as its bytes and read
// through accessors at fixed offsets. Values taken from a record are clamped before they
// address anything, since a record may come from a damaged file.
class PuzzleRecord {
public:
    static constexpr std::size_t kSize = 95830;
    static constexpr int kMaxWords = 330;
    static constexpr int kGridSide = 50;
    static constexpr int kCellCount = kGridSide * kGridSide;
    static constexpr std::size_t kPageLayoutSize = 28868;

    static constexpr std::size_t kVersionOffset = 0;
    static constexpr std::size_t kVersionCapacity = 5;
    static constexpr std::size_t kCategoryOffset = 6;
    static constexpr std::size_t kCategoryCapacity = 20;
    static constexpr std::size_t kTitleOffset = 27;
    static constexpr std::size_t kTitleCapacity = 35;
    static constexpr std::size_t kGridWidthOffset = 63;
    static constexpr std::size_t kGridHeightOffset = 65;
    static constexpr std::size_t kWordGridOffset = 67;
    static constexpr std::size_t kFillGridOffset = 2567;
    static constexpr std::size_t kWordCountOffset = 5067;
    static constexpr std::size_t kWordsOffset = 5069;
    static constexpr std::size_t kWordCapacity = 30;
    static constexpr std::size_t kCluesOffset = 15299;
    static constexpr std::size_t kClueCapacity = 150;
    static constexpr std::size_t kStartCellsOffset = 65129;
    static constexpr std::size_t kEndCellsOffset = 65789;
    static constexpr std::size_t kPlacedOffset = 66449;
    static constexpr std::size_t kGeneratedOffset = 66779;
    static constexpr std::size_t kBonusQuestionOffset = 66780;
    static constexpr std::size_t kBonusQuestionCapacity = 150;
    static constexpr std::size_t kHiddenPhraseUsedOffset = 66931;
    static constexpr std::size_t kPageLayoutOffset = 66932;
    static constexpr std::size_t kReservedOffset = 95800;
    static constexpr std::size_t kReservedSize = 30;

    // Both category and title, the only bytes that listing a collection needs.
    static constexpr std::size_t kListedOffset = kCategoryOffset;
    static constexpr std::size_t kListedSize = kGridWidthOffset - kCategoryOffset;

    using Bytes = std::array<unsigned char, kSize>;

    PuzzleRecord() { m_bytes.fill(0); }

    unsigned char* Data() { return m_bytes.data(); }
    const unsigned char* Data() const { return m_bytes.data(); }
    std::span<unsigned char, kSize> Span() { return m_bytes; }
    std::span<const unsigned char, kSize> Span() const { return m_bytes; }
    bool operator==(const PuzzleRecord& other) const = default;

    std::string Version() const;
    void SetVersion(std::string_view text);
    // Length 4 and "3.0d"; the sixth byte keeps what it held.
    void MarkCurrentVersion();
    std::string Category() const;
    void SetCategory(std::string_view text);
    std::string Title() const;
    void SetTitle(std::string_view text);
    std::string BonusQuestion() const;
    void SetBonusQuestion(std::string_view text);

    std::int16_t GridWidth() const;
    void SetGridWidth(std::int16_t value);
    std::int16_t GridHeight() const;
    void SetGridHeight(std::int16_t value);
    // The grid size limited to 1..50, for addressing the grids.
    int UsedWidth() const;
    int UsedHeight() const;

    // Cells are addressed by cell index 1..2500; other indexes read 0 and write nothing.
    unsigned char WordGridCell(int cell) const;
    void SetWordGridCell(int cell, unsigned char letter);
    unsigned char FillGridCell(int cell) const;
    void SetFillGridCell(int cell, unsigned char letter);

    std::int16_t WordCount() const;
    void SetWordCount(std::int16_t value);
    // WordCount limited to 0..330, for addressing entries.
    int UsedWordCount() const;

    // Entries are numbered 1..330; other numbers read empty/0 and write nothing.
    std::string Word(int entry) const;
    void SetWord(int entry, std::string_view text);
    std::string Clue(int entry) const;
    void SetClue(int entry, std::string_view text);
    std::int16_t StartCell(int entry) const;
    void SetStartCell(int entry, std::int16_t cell);
    std::int16_t EndCell(int entry) const;
    void SetEndCell(int entry, std::int16_t cell);
    bool Placed(int entry) const;
    void SetPlaced(int entry, bool placed);

    bool Generated() const;
    void SetGenerated(bool value);
    bool HiddenPhraseUsed() const;
    void SetHiddenPhraseUsed(bool value);

    std::span<unsigned char, kPageLayoutSize> PageLayout();
    std::span<const unsigned char, kPageLayoutSize> PageLayout() const;
    std::span<const unsigned char, kReservedSize> Reserved() const;

    // The entries a printed word list shows: 1..n, n being the highest entry not above
    // WordCount that is placed in the grid.
    int PrintedWordCount() const;

    // Empties the record for a new puzzle and gives it pageLayout. Version, both grids,
    // the cell arrays and Reserved keep what they held.
    void ResetForNewPuzzle(std::span<const unsigned char, kPageLayoutSize> pageLayout);
    // Turns a record just read into a copy of itself: the title gets the copy suffix and
    // no word counts as placed any more.
    void PrepareCopy();

    static constexpr int CellIndex(int row, int column) { return (row - 1) * kGridSide + column; }
    static constexpr int CellRow(int cell) { return (cell - 1) / kGridSide + 1; }
    static constexpr int CellColumn(int cell) {
        return cell - kGridSide * ((cell - 1) / kGridSide);
    }

    static constexpr std::size_t WordOffset(int entry) { return kWordsOffset + 31 * (entry - 1); }
    static constexpr std::size_t ClueOffset(int entry) { return kCluesOffset + 151 * (entry - 1); }
    static constexpr std::size_t StartCellOffset(int entry) {
        return kStartCellsOffset + 2 * (entry - 1);
    }
    static constexpr std::size_t EndCellOffset(int entry) {
        return kEndCellsOffset + 2 * (entry - 1);
    }
    static constexpr std::size_t PlacedOffset(int entry) { return kPlacedOffset + (entry - 1); }

private:
    Bytes m_bytes;
};

} // namespace vorlane
