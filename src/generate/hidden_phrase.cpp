#include "generate/hidden_phrase.h"

#include "core/text.h"

#include <cstring>

namespace vorlane {

namespace {

// Calls visit(cell) for every free cell in row order.
template <class Visit> void ForEachFreeCell(const PuzzleRecord& puzzle, Visit&& visit) {
    const int width = puzzle.UsedWidth();
    const int height = puzzle.UsedHeight();
    for (int r = 1; r <= height; ++r)
        for (int c = 1; c <= width; ++c) {
            const int cell = PuzzleRecord::CellIndex(r, c);
            if (puzzle.WordGridCell(cell) == ' ')
                visit(cell);
        }
}

} // namespace

int FreeCellCount(const PuzzleRecord& puzzle) {
    int count = 0;
    ForEachFreeCell(puzzle, [&](int) { ++count; });
    return count;
}

std::string FreeCellLabel(int freeCells) {
    return std::to_string(freeCells) + " Chars";
}

std::string FreeCellLetters(const PuzzleRecord& puzzle) {
    std::string letters;
    ForEachFreeCell(
        puzzle, [&](int cell) { letters.push_back(static_cast<char>(puzzle.FillGridCell(cell))); });
    return letters;
}

void FillRandomLetters(PuzzleRecord& puzzle, RandomSource& random) {
    ForEachFreeCell(puzzle, [&](int cell) {
        puzzle.SetFillGridCell(cell, static_cast<unsigned char>(random.Random(26) + 65));
    });
}

namespace hidden_phrase_messages {

Message SpacesUsed(PhraseWindowKind window) {
    return {window == PhraseWindowKind::ResultWindow
                ? "Spaces were used in the hidden phrase."
                : "Spaces were used in the hidden phrase.  Please correct.",
            "Error"};
}

Message WrongLength(int required, int entered) {
    return {std::to_string(required) + " characters are required for the hidden phrase." +
                "  You have entered " + std::to_string(entered) + " characters." +
                "  Please change your phrase or select not to use a phrase.",
            "Error"};
}

} // namespace hidden_phrase_messages

std::optional<Message> LayHiddenPhrase(PuzzleRecord& puzzle, std::string_view text,
                                       PhraseWindowKind window) {
    const std::string phrase = AsciiUpperCase(Trim(text));
    if (phrase.find(' ') != std::string::npos)
        return hidden_phrase_messages::SpacesUsed(window);
    const int required = FreeCellCount(puzzle);
    if (static_cast<int>(phrase.size()) != required)
        return hidden_phrase_messages::WrongLength(required, static_cast<int>(phrase.size()));
    std::size_t next = 0;
    ForEachFreeCell(puzzle, [&](int cell) {
        puzzle.SetFillGridCell(cell, static_cast<unsigned char>(phrase[next++]));
    });
    return std::nullopt;
}

HiddenPhraseChange::HiddenPhraseChange(const PuzzleRecord& working)
    : m_copy(working), m_freeCells(FreeCellCount(working)) {}

std::optional<Message> HiddenPhraseChange::Ok(bool includeTicked, std::string_view phrase,
                                              RandomSource& random) {
    if (includeTicked && PhraseEnabled()) {
        m_copy.SetHiddenPhraseUsed(true);
        if (auto refused = LayHiddenPhrase(m_copy, phrase, PhraseWindowKind::PhraseWindow))
            return refused;
    } else {
        m_copy.SetHiddenPhraseUsed(false);
        FillRandomLetters(m_copy, random);
    }
    m_okPressed = true;
    return std::nullopt;
}

void HiddenPhraseChange::ApplyTo(PuzzleRecord& working) const {
    if (!m_okPressed)
        return;
    working.SetHiddenPhraseUsed(m_copy.HiddenPhraseUsed());
    std::memcpy(working.Data() + PuzzleRecord::kFillGridOffset,
                m_copy.Data() + PuzzleRecord::kFillGridOffset, PuzzleRecord::kCellCount);
}

} // namespace vorlane
