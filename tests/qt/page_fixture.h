#pragma once

#include "core/collection_file.h"
#include "core/puzzle_record.h"
#include "core/safe_file.h"
#include "layouts/layout_geometry.h"

#include <cstring>
#include <string>

namespace vorlane::test {

inline std::string SampleCollection() {
    return std::string(VORLANE_BIN_DIR) + "/SAMPLE.VL3";
}

// The first puzzle of the shipped sample collection, or, when the build made none, a small
// generated puzzle on the built-in default layout.
inline PuzzleRecord SamplePuzzle() {
    PuzzleRecord puzzle;
    if (FileExists(SampleCollection()) && CollectionFile(SampleCollection()).Read(0, puzzle))
        return puzzle;
    const PageLayoutRecord layout = BuiltInDefaultLayout();
    puzzle.ResetForNewPuzzle(layout.Span());
    puzzle.SetTitle("On the Farm");
    puzzle.SetGridWidth(6);
    puzzle.SetGridHeight(6);
    const char* rows[] = {"GOATXQ", "PIGZLM", "COWKDE", "HENRJT", "DUCKVB", "LAMBSY"};
    for (int r = 1; r <= 6; ++r)
        for (int c = 1; c <= 6; ++c)
            puzzle.SetWordGridCell(PuzzleRecord::CellIndex(r, c),
                                   static_cast<unsigned char>(rows[r - 1][c - 1]));
    const char* words[] = {"GOAT", "PIG", "COW", "HEN", "DUCK", "LAMB"};
    const int lengths[] = {4, 3, 3, 3, 4, 4};
    puzzle.SetWordCount(6);
    for (int i = 1; i <= 6; ++i) {
        puzzle.SetWord(i, words[i - 1]);
        puzzle.SetStartCell(i, static_cast<std::int16_t>(PuzzleRecord::CellIndex(i, 1)));
        puzzle.SetEndCell(i, static_cast<std::int16_t>(PuzzleRecord::CellIndex(i, lengths[i - 1])));
        puzzle.SetPlaced(i, true);
    }
    puzzle.SetGenerated(true);
    return puzzle;
}

} // namespace vorlane::test
