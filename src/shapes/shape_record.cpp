#include "shapes/shape_record.h"

#include "core/bytes.h"
#include "core/puzzle_record.h"

#include <algorithm>

namespace vorlane {

ShapeRecord ShapeRecord::Blank(std::string_view name, int width, int height) {
    ShapeRecord shape;
    shape.SetName(name);
    shape.SetWidth(static_cast<std::int16_t>(width));
    shape.SetHeight(static_cast<std::int16_t>(height));
    std::fill(shape.m_bytes.begin() + kCellsOffset, shape.m_bytes.end(), 1);
    return shape;
}

ShapeRecord ShapeRecord::FromPuzzle(const PuzzleRecord& puzzle) {
    ShapeRecord shape;
    shape.SetName(kCurrentPuzzleName);
    shape.SetWidth(puzzle.GridWidth());
    shape.SetHeight(puzzle.GridHeight());
    for (int p = 1; p <= kCellCount; ++p)
        shape.SetCell(p, puzzle.WordGridCell(p) != 0);
    return shape;
}

std::string ShapeRecord::Name() const {
    return bytes::GetShortString(Data() + kNameOffset, kNameCapacity);
}
void ShapeRecord::SetName(std::string_view name) {
    bytes::SetShortString(Data() + kNameOffset, kNameCapacity, name);
}
std::int16_t ShapeRecord::Width() const {
    return bytes::GetI16(Data() + kWidthOffset);
}
void ShapeRecord::SetWidth(std::int16_t width) {
    bytes::SetI16(Data() + kWidthOffset, width);
}
std::int16_t ShapeRecord::Height() const {
    return bytes::GetI16(Data() + kHeightOffset);
}
void ShapeRecord::SetHeight(std::int16_t height) {
    bytes::SetI16(Data() + kHeightOffset, height);
}
int ShapeRecord::UsedWidth() const {
    return std::clamp<int>(Width(), kMinSide, kMaxSide);
}
int ShapeRecord::UsedHeight() const {
    return std::clamp<int>(Height(), kMinSide, kMaxSide);
}

bool ShapeRecord::IsValid() const {
    return Width() >= kMinSide && Width() <= kMaxSide && Height() >= kMinSide &&
           Height() <= kMaxSide && m_bytes[kNameOffset] <= kNameCapacity;
}

bool ShapeRecord::Cell(int p) const {
    return p >= 1 && p <= kCellCount &&
           m_bytes[kCellsOffset + static_cast<std::size_t>(p - 1)] != 0;
}

void ShapeRecord::SetCell(int p, bool inShape) {
    if (p >= 1 && p <= kCellCount)
        m_bytes[kCellsOffset + static_cast<std::size_t>(p - 1)] = inShape ? 1 : 0;
}

int ShapeRecord::CellsInShape() const {
    int count = 0;
    for (int row = 1; row <= UsedHeight(); ++row)
        for (int column = 1; column <= UsedWidth(); ++column)
            count += Cell(row, column) ? 1 : 0;
    return count;
}

std::string ShapeRecord::EntryText() const {
    return std::to_string(Width()) + "x" + std::to_string(Height()) + " " + Name();
}

} // namespace vorlane
