#pragma once

#include "core/message.h"
#include "core/puzzle_record.h"
#include "core/random_source.h"

#include <optional>
#include <string>
#include <string_view>

namespace vorlane {

// The most free cells a hidden phrase can fill (the phrase field holds 255 characters).
constexpr int kMaxPhraseCells = 255;

// The free cells of a puzzle: rows 1..H, columns 1..W whose WordGrid byte is a space.
int FreeCellCount(const PuzzleRecord& puzzle);
// True when a puzzle with this many free cells can take a hidden phrase.
constexpr bool PhraseAllowed(int freeCells) {
    return freeCells <= kMaxPhraseCells;
}
// The count label of the phrase panels: "120 Chars".
std::string FreeCellLabel(int freeCells);
// The FillGrid letters of the free cells in row order: the current phrase or random letters.
std::string FreeCellLetters(const PuzzleRecord& puzzle);

// Gives every free cell, in row order, the random letter Random(26) + 65 ('A'..'Z').
void FillRandomLetters(PuzzleRecord& puzzle, RandomSource& random);

// The two windows that take a phrase word their space message differently.
enum class PhraseWindowKind { ResultWindow, PhraseWindow };

// Trims the phrase text, checks it and lays it into the free cells in row order,
// upper-cased ('a'..'z' only). A refused phrase gives its message and changes nothing.
std::optional<Message> LayHiddenPhrase(PuzzleRecord& puzzle, std::string_view text,
                                       PhraseWindowKind window);

namespace hidden_phrase_messages {
Message SpacesUsed(PhraseWindowKind window);
Message WrongLength(int required, int entered);
} // namespace hidden_phrase_messages

// The hidden phrase window of the editor: it works on its own copy of the working
// record's grids and flag, and gives back FillGrid and HiddenPhraseUsed after "&Ok".
class HiddenPhraseChange {
public:
    explicit HiddenPhraseChange(const PuzzleRecord& working);

    int FreeCells() const { return m_freeCells; }
    std::string CountLabel() const { return FreeCellLabel(m_freeCells); }
    // The phrase field's first text and its maximum length (FreeCells()).
    std::string CurrentPhrase() const { return FreeCellLetters(m_copy); }
    // The phrase field and the check box are enabled only for up to 255 free cells.
    bool PhraseEnabled() const { return PhraseAllowed(m_freeCells); }
    bool IncludeTickedAtStart() const { return m_copy.HiddenPhraseUsed() && PhraseEnabled(); }

    // "&Ok": lays the phrase when the box is ticked (and enabled), else draws new random
    // letters. A refused phrase gives its message; the window then stays open.
    std::optional<Message> Ok(bool includeTicked, std::string_view phrase, RandomSource& random);
    bool OkPressed() const { return m_okPressed; }
    // After "&Ok": copies FillGrid and HiddenPhraseUsed into the working record.
    void ApplyTo(PuzzleRecord& working) const;

private:
    PuzzleRecord m_copy;
    int m_freeCells = 0;
    bool m_okPressed = false;
};

} // namespace vorlane
