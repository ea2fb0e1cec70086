#pragma once

#include <array>
#include <cstdint>
#include <vector>

// What the last drawing of a page decided: sizes, font sizes after shrinking, how the lists
// and texts were broken, and what did not fit. The metafile renderer draws the same page
// again from these.
namespace vorlane {

struct WordListResults {
    int LinesPerColumn = 0;
    double LeftMargin = 0;
    double ColumnWidth = 0;
    int FittedCount = 0;
    std::vector<int> PrintedLengths; // entry j (1..n) at index j - 1, in printed order
    bool operator==(const WordListResults&) const = default;
};

struct ClueListResults {
    int LinesPerColumn = 0;
    double NumberWidth = 0;
    double GapWidth = 0;
    double LeftMargin = 0;
    double ClueWidth = 0;
    int FittedCount = 0;
    // The lengths of the lines of clue i (1..n) at index i - 1; at most 7 lines each.
    std::vector<std::vector<int>> LineLengths;
    bool operator==(const ClueListResults&) const = default;
};

struct TextResults {
    std::vector<int> LineLengths; // at most 100
    std::vector<bool> ParagraphStart;
    int LineCount() const { return static_cast<int>(LineLengths.size()); }
    bool operator==(const TextResults&) const = default;
};

struct RenderResults {
    static constexpr int kMaxTextObjects = 21;

    double Scale = 0; // inches per design pixel
    double PageWidth = 0;
    double PageHeight = 0;
    int WordCount = 0;
    // FittedFontSize of object k at index k - 1; 0 for an object not drawn with a font.
    std::array<std::int16_t, 20> FittedFontSize{};
    WordListResults Words;
    ClueListResults Clues;
    // Text objects by ordinal k (the k-th drawn) at index k - 1.
    std::vector<TextResults> Texts;
    bool CluesDidNotFit = false;
    bool WordsDidNotFit = false;
    std::array<bool, kMaxTextObjects> TextDidNotFit{};
    bool operator==(const RenderResults&) const = default;
};

} // namespace vorlane
