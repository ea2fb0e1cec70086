#pragma once

#include "core/random_source.h"

#include <string>
#include <string_view>
#include <vector>

// The ways the words/clues object shows a puzzle's words.
namespace vorlane {

enum class WordOption { Normal = 1, Clues = 2, Scrambled = 3, Partial = 4 };

// A word as the list treatments start from it: upper-cased (a..z only), cut to 60
// characters, with its entry number.
struct WorkingText {
    std::string Text;
    int Entry = 0;
    bool operator==(const WorkingText&) const = default;
};

WorkingText MakeWorkingText(std::string_view storedWord, int entry);

// Normal words: ascending by byte-wise comparison of the working texts (a prefix first);
// equal texts keep their puzzle order.
void SortWorkingTexts(std::vector<WorkingText>& texts);

// Scrambled words: A..Z lower-cased, then the characters drawn into a random order; a
// position drawn twice is replaced by the highest free one.
std::string ScrambleText(std::string_view text, RandomSource& random);

// Partial words: the first and last letters kept, the hidden ones shown as "..." or as
// " _" per letter and a space; cut to 60 characters.
std::string PartialText(std::string_view text, int firstLetters, int lastLetters, bool underscore);

// The text of a clue in the clue list, with the answer or its underscores in front.
std::string ClueText(std::string_view word, std::string_view clue, bool answerKey,
                     bool clueUnderscore);

} // namespace vorlane
