#pragma once

#include "core/message.h"
#include "core/puzzle_record.h"
#include "core/settings.h"
#include "shapes/shape_record.h"

#include <optional>
#include <string>
#include <vector>

namespace vorlane {

// What the puzzle editor holds before it is copied into the working record: the texts as
// typed (Windows-1252) and the 330 rows of the word and clue grid.
struct PuzzleInput {
    struct Row {
        std::string Word;
        std::string Clue;
    };

    std::string Title;
    std::string Category;
    std::string BonusQuestion;
    std::vector<Row> Rows; // at most 330 are used
    std::string AttemptsText = "1";
};

// The number of rows whose trimmed word is not empty.
int GetWordCount(const PuzzleInput& input);

// Copies the editor into the record: trimmed texts cut to their fields, and the rows with a
// word packed without gaps (a row without a word drops its clue), the rest emptied.
void SetValues(const PuzzleInput& input, PuzzleRecord& working);

// Why Create refused the input, and where the editor puts the cursor.
struct CreateRefusal {
    enum class Field { Title, Category, Words, Attempts, Word, Clue };
    Message Refusal;
    Field Focus = Field::Title;
    int Row = 0; // for Word and Clue: the row (1..330) of the editor grid
};

// The checks of the editor's Create, in order, stopping at the first failure. On the way,
// as the editor does, the attempts setting, the grid size (from the shape) and the texts go
// into the settings and the working record, so a refused word or clue leaves them changed.
std::optional<CreateRefusal> PrepareCreate(const PuzzleInput& input, const ShapeRecord& shape,
                                           PuzzleRecord& working, Settings& settings);

} // namespace vorlane
