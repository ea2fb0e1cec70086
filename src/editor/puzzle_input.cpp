#include "editor/puzzle_input.h"

#include "core/text.h"

#include <algorithm>

namespace vorlane {

namespace {

constexpr int kRows = PuzzleRecord::kMaxWords;

int UsedRows(const PuzzleInput& input) {
    return static_cast<int>(std::min<std::size_t>(input.Rows.size(), kRows));
}

std::string Cut(std::string text, std::size_t capacity) {
    if (text.size() > capacity)
        text.resize(capacity);
    return text;
}

Message Error(std::string text) {
    return {std::move(text), "Error"};
}

} // namespace

int GetWordCount(const PuzzleInput& input) {
    int count = 0;
    for (int r = 0; r < UsedRows(input); ++r)
        count += Trim(input.Rows[static_cast<std::size_t>(r)].Word).empty() ? 0 : 1;
    return count;
}

void SetValues(const PuzzleInput& input, PuzzleRecord& working) {
    working.SetBonusQuestion(Cut(Trim(input.BonusQuestion), PuzzleRecord::kBonusQuestionCapacity));
    working.SetTitle(Cut(Trim(input.Title), PuzzleRecord::kTitleCapacity));
    working.SetCategory(Cut(Trim(input.Category), PuzzleRecord::kCategoryCapacity));
    int n = 0;
    for (int r = 0; r < UsedRows(input); ++r) {
        const PuzzleInput::Row& row = input.Rows[static_cast<std::size_t>(r)];
        std::string word = Trim(row.Word);
        if (word.empty())
            continue;
        ++n;
        working.SetWord(n, Cut(word, PuzzleRecord::kWordCapacity));
        working.SetClue(n, Cut(Trim(row.Clue), PuzzleRecord::kClueCapacity));
    }
    working.SetWordCount(static_cast<std::int16_t>(n));
    for (int entry = n + 1; entry <= kRows; ++entry) {
        working.SetWord(entry, "");
        working.SetClue(entry, "");
    }
}

std::optional<CreateRefusal> PrepareCreate(const PuzzleInput& input, const ShapeRecord& shape,
                                           PuzzleRecord& working, Settings& settings) {
    using Field = CreateRefusal::Field;
    if (Trim(input.Title).empty())
        return CreateRefusal{Error("No title specified.  Please correct."), Field::Title};
    if (Trim(input.Category).empty())
        return CreateRefusal{Error("No category specified.  Please correct."), Field::Category};
    if (GetWordCount(input) == 0)
        return CreateRefusal{Error("No words have been entered.  Please correct."), Field::Words};
    const std::int32_t attempts = ReadWholeNumber(input.AttemptsText);
    if (attempts < 1 || attempts > 999)
        return CreateRefusal{Error("Attempts must be between 1 and 999.  Please correct."),
                             Field::Attempts};

    settings.Attempts = attempts;
    working.SetGridWidth(static_cast<std::int16_t>(shape.UsedWidth()));
    working.SetGridHeight(static_cast<std::int16_t>(shape.UsedHeight()));
    const int dimension = std::max(shape.UsedWidth(), shape.UsedHeight());
    SetValues(input, working);

    for (int entry = 1; entry <= working.UsedWordCount(); ++entry) {
        const std::string word = working.Word(entry);
        if (static_cast<int>(word.size()) <= dimension)
            continue;
        // The editor row that holds this word: the entry-th row with a word.
        int row = 0;
        for (int seen = 0; row < UsedRows(input) && seen < entry; ++row)
            seen += Trim(input.Rows[static_cast<std::size_t>(row)].Word).empty() ? 0 : 1;
        return CreateRefusal{Error("Word is greater than puzzle dimension size of " +
                                   std::to_string(dimension) + " characters in \"" + word + "\"."),
                             Field::Word, row};
    }
    for (int r = 0; r < UsedRows(input); ++r) {
        const PuzzleInput::Row& row = input.Rows[static_cast<std::size_t>(r)];
        const std::string word = Trim(row.Word);
        const std::string clue = Trim(row.Clue);
        if (word.empty() || clue.size() <= PuzzleRecord::kClueCapacity)
            continue;
        return CreateRefusal{Error("The length of the clue for the word \"" + word + "\" is " +
                                   std::to_string(clue.size() - PuzzleRecord::kClueCapacity) +
                                   " characters longer than the maximum clue size of 150."),
                             Field::Clue, r + 1};
    }
    return std::nullopt;
}

} // namespace vorlane
