#include "core/puzzle_record.h"

#include "core/bytes.h"
#include "core/text.h"

#include <algorithm>
#include <cstring>

namespace vorlane {

namespace {

bool ValidEntry(int entry) {
    return entry >= 1 && entry <= PuzzleRecord::kMaxWords;
}
bool ValidCell(int cell) {
    return cell >= 1 && cell <= PuzzleRecord::kCellCount;
}

} // namespace

std::string PuzzleRecord::Version() const {
    return bytes::GetShortString(Data() + kVersionOffset, kVersionCapacity);
}
void PuzzleRecord::SetVersion(std::string_view text) {
    bytes::SetShortString(Data() + kVersionOffset, kVersionCapacity, text);
}
void PuzzleRecord::MarkCurrentVersion() {
    SetVersion("3.0d");
}

std::string PuzzleRecord::Category() const {
    return bytes::GetShortString(Data() + kCategoryOffset, kCategoryCapacity);
}
void PuzzleRecord::SetCategory(std::string_view text) {
    bytes::SetShortString(Data() + kCategoryOffset, kCategoryCapacity, text);
}
std::string PuzzleRecord::Title() const {
    return bytes::GetShortString(Data() + kTitleOffset, kTitleCapacity);
}
void PuzzleRecord::SetTitle(std::string_view text) {
    bytes::SetShortString(Data() + kTitleOffset, kTitleCapacity, text);
}
std::string PuzzleRecord::BonusQuestion() const {
    return bytes::GetShortString(Data() + kBonusQuestionOffset, kBonusQuestionCapacity);
}
void PuzzleRecord::SetBonusQuestion(std::string_view text) {
    bytes::SetShortString(Data() + kBonusQuestionOffset, kBonusQuestionCapacity, text);
}

std::int16_t PuzzleRecord::GridWidth() const {
    return bytes::GetI16(Data() + kGridWidthOffset);
}
void PuzzleRecord::SetGridWidth(std::int16_t value) {
    bytes::SetI16(Data() + kGridWidthOffset, value);
}
std::int16_t PuzzleRecord::GridHeight() const {
    return bytes::GetI16(Data() + kGridHeightOffset);
}
void PuzzleRecord::SetGridHeight(std::int16_t value) {
    bytes::SetI16(Data() + kGridHeightOffset, value);
}
int PuzzleRecord::UsedWidth() const {
    return std::clamp<int>(GridWidth(), 1, kGridSide);
}
int PuzzleRecord::UsedHeight() const {
    return std::clamp<int>(GridHeight(), 1, kGridSide);
}

unsigned char PuzzleRecord::WordGridCell(int cell) const {
    return ValidCell(cell) ? m_bytes[kWordGridOffset + static_cast<std::size_t>(cell - 1)] : 0;
}
void PuzzleRecord::SetWordGridCell(int cell, unsigned char letter) {
    if (ValidCell(cell))
        m_bytes[kWordGridOffset + static_cast<std::size_t>(cell - 1)] = letter;
}
unsigned char PuzzleRecord::FillGridCell(int cell) const {
    return ValidCell(cell) ? m_bytes[kFillGridOffset + static_cast<std::size_t>(cell - 1)] : 0;
}
void PuzzleRecord::SetFillGridCell(int cell, unsigned char letter) {
    if (ValidCell(cell))
        m_bytes[kFillGridOffset + static_cast<std::size_t>(cell - 1)] = letter;
}

std::int16_t PuzzleRecord::WordCount() const {
    return bytes::GetI16(Data() + kWordCountOffset);
}
void PuzzleRecord::SetWordCount(std::int16_t value) {
    bytes::SetI16(Data() + kWordCountOffset, value);
}
int PuzzleRecord::UsedWordCount() const {
    return std::clamp<int>(WordCount(), 0, kMaxWords);
}

std::string PuzzleRecord::Word(int entry) const {
    return ValidEntry(entry) ? bytes::GetShortString(Data() + WordOffset(entry), kWordCapacity)
                             : std::string();
}
void PuzzleRecord::SetWord(int entry, std::string_view text) {
    if (ValidEntry(entry))
        bytes::SetShortString(Data() + WordOffset(entry), kWordCapacity, text);
}
std::string PuzzleRecord::Clue(int entry) const {
    return ValidEntry(entry) ? bytes::GetShortString(Data() + ClueOffset(entry), kClueCapacity)
                             : std::string();
}
void PuzzleRecord::SetClue(int entry, std::string_view text) {
    if (ValidEntry(entry))
        bytes::SetShortString(Data() + ClueOffset(entry), kClueCapacity, text);
}
std::int16_t PuzzleRecord::StartCell(int entry) const {
    return ValidEntry(entry) ? bytes::GetI16(Data() + StartCellOffset(entry)) : 0;
}
void PuzzleRecord::SetStartCell(int entry, std::int16_t cell) {
    if (ValidEntry(entry))
        bytes::SetI16(Data() + StartCellOffset(entry), cell);
}
std::int16_t PuzzleRecord::EndCell(int entry) const {
    return ValidEntry(entry) ? bytes::GetI16(Data() + EndCellOffset(entry)) : 0;
}
void PuzzleRecord::SetEndCell(int entry, std::int16_t cell) {
    if (ValidEntry(entry))
        bytes::SetI16(Data() + EndCellOffset(entry), cell);
}
bool PuzzleRecord::Placed(int entry) const {
    return ValidEntry(entry) && m_bytes[PlacedOffset(entry)] == 1;
}
void PuzzleRecord::SetPlaced(int entry, bool placed) {
    if (ValidEntry(entry))
        m_bytes[PlacedOffset(entry)] = placed ? 1 : 0;
}

bool PuzzleRecord::Generated() const {
    return m_bytes[kGeneratedOffset] == 1;
}
void PuzzleRecord::SetGenerated(bool value) {
    m_bytes[kGeneratedOffset] = value ? 1 : 0;
}
bool PuzzleRecord::HiddenPhraseUsed() const {
    return m_bytes[kHiddenPhraseUsedOffset] == 1;
}
void PuzzleRecord::SetHiddenPhraseUsed(bool value) {
    m_bytes[kHiddenPhraseUsedOffset] = value ? 1 : 0;
}

std::span<unsigned char, PuzzleRecord::kPageLayoutSize> PuzzleRecord::PageLayout() {
    return std::span<unsigned char, kPageLayoutSize>(Data() + kPageLayoutOffset, kPageLayoutSize);
}
std::span<const unsigned char, PuzzleRecord::kPageLayoutSize> PuzzleRecord::PageLayout() const {
    return std::span<const unsigned char, kPageLayoutSize>(Data() + kPageLayoutOffset,
                                                           kPageLayoutSize);
}
std::span<const unsigned char, PuzzleRecord::kReservedSize> PuzzleRecord::Reserved() const {
    return std::span<const unsigned char, kReservedSize>(Data() + kReservedOffset, kReservedSize);
}

int PuzzleRecord::PrintedWordCount() const {
    for (int entry = UsedWordCount(); entry >= 1; --entry)
        if (Placed(entry))
            return entry;
    return 0;
}

void PuzzleRecord::ResetForNewPuzzle(std::span<const unsigned char, kPageLayoutSize> pageLayout) {
    for (int entry = 1; entry <= kMaxWords; ++entry) {
        SetWord(entry, "");
        SetClue(entry, "");
        SetPlaced(entry, false);
    }
    SetCategory("");
    SetTitle("");
    SetGridWidth(15);
    SetGridHeight(15);
    SetWordCount(0);
    SetGenerated(false);
    SetHiddenPhraseUsed(false);
    SetBonusQuestion("");
    std::memcpy(Data() + kPageLayoutOffset, pageLayout.data(), kPageLayoutSize);
}

void PuzzleRecord::PrepareCopy() {
    SetTitle(CopySuffix(Title(), kTitleCapacity));
    for (int entry = 1; entry <= kMaxWords; ++entry)
        SetPlaced(entry, false);
}

} // namespace vorlane
