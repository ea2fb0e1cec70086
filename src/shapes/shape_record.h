#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vorlane {

class PuzzleRecord;

// A puzzle shape: a named mask of width x height cells over the 50 x 50 grid, kept as the
// 2555 bytes of a shape file record. Cell p (1..2500) is the cell in row (p - 1) / 50 + 1,
// column (p - 1) % 50 + 1, whatever the width.
class ShapeRecord {
public:
    static constexpr std::size_t kSize = 2555;
    static constexpr std::size_t kNameOffset = 0;
    static constexpr std::size_t kNameCapacity = 50;
    static constexpr std::size_t kWidthOffset = 51;
    static constexpr std::size_t kHeightOffset = 53;
    static constexpr std::size_t kCellsOffset = 55;
    static constexpr int kMinSide = 5;
    static constexpr int kMaxSide = 30;
    static constexpr int kCellCount = 2500;
    // The name of a shape rebuilt from a puzzle being modified.
    static constexpr std::string_view kCurrentPuzzleName = "<Current Puzzle>";

    ShapeRecord() { m_bytes.fill(0); }
    // A new shape as the editor starts it: every one of the 2500 cells set.
    static ShapeRecord Blank(std::string_view name, int width, int height);
    // The shape a puzzle was built in: its size, and the cells whose WordGrid byte is not 0.
    static ShapeRecord FromPuzzle(const PuzzleRecord& puzzle);

    unsigned char* Data() { return m_bytes.data(); }
    const unsigned char* Data() const { return m_bytes.data(); }
    std::string_view Bytes() const {
        return std::string_view(reinterpret_cast<const char*>(m_bytes.data()), kSize);
    }
    bool operator==(const ShapeRecord& other) const = default;

    std::string Name() const;
    void SetName(std::string_view name);
    std::int16_t Width() const;
    void SetWidth(std::int16_t width);
    std::int16_t Height() const;
    void SetHeight(std::int16_t height);
    // Width and height limited to 5..30, for anything that addresses cells with them.
    int UsedWidth() const;
    int UsedHeight() const;
    // True when width and height lie in 5..30 and the name length byte in 0..50.
    bool IsValid() const;

    // Cells 1..2500; other numbers read false and write nothing.
    bool Cell(int p) const;
    void SetCell(int p, bool inShape);
    bool Cell(int row, int column) const { return Cell((row - 1) * 50 + column); }
    void SetCell(int row, int column, bool inShape) { SetCell((row - 1) * 50 + column, inShape); }
    // Number of cells inside rows 1..UsedHeight and columns 1..UsedWidth that belong.
    int CellsInShape() const;

    // "15x15 Diamond": width, "x", height, a blank and the name.
    std::string EntryText() const;

private:
    std::array<unsigned char, kSize> m_bytes;
};

} // namespace vorlane
