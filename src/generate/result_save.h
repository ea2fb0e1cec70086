#pragma once

#include "core/collection_file.h"
#include "core/message.h"
#include "core/puzzle_lists.h"
#include "core/random_source.h"
#include "generate/candidate_slots.h"
#include "generate/word_filter.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vorlane {

// The words of a candidate as the result window lists them: entries 1..enteredCount of
// the slot's record, split by the slot's placed flags, in entry order.
struct SlotWords {
    std::vector<std::string> Included;
    std::vector<std::string> Excluded;
};
SlotWords ListSlotWords(const CandidateSlot& slot, int enteredCount);
// "1 Included Word", "3 Included Words"; "0 Excluded Words".
std::string IncludedWordsLabel(int count);
std::string ExcludedWordsLabel(int count);

// How many sets of random letters a save draws before it stops looking for a clean one.
constexpr int kMaxFillTries = 200;

// What the result window's phrase panel holds when Save is pressed.
struct PhraseChoice {
    bool Include = false; // "&Include Hidden Phrase" ticked (and enabled)
    std::string Text;     // the phrase field as typed
};

// Asks a Yes/No question (caption "Warning"); true means Yes.
using SaveQuestion = std::function<bool(const Message& question)>;

enum class SaveStatus {
    Saved,         // appended; the pending selection is set and the lists reloaded.
                   // Close the result window and the editor.
    NoCandidate,   // the slot holds no candidate; nothing was changed
    PhraseRefused, // the phrase check failed (Shown); the window stays open
    ChangePhrase,  // the user chose to change an offensive phrase: focus the phrase field
    FillFailed,    // every set of random letters spelt an offensive word (Shown); the window
                   // stays open
    NotSaved,      // the user chose not to save with words missing; the window stays open
    CannotOpen,    // "Unable to save puzzle." (Shown); close the result window only
    Full,          // the collection holds the most it may (Shown); close the result window only
};

struct SaveOutcome {
    SaveStatus Status = SaveStatus::Saved;
    std::optional<Message> Shown; // the message box to show
    int FillTries = 0;            // sets of random letters drawn
    bool RepeatKept = false;      // the letters kept still spell a listed word once more
};

// Saves candidate slot into the collection, as the result window's "&Save Puzzle" does:
// copies the slot into working, fills its free cells with the phrase or random letters,
// keeps offensive words (and, with random letters, second copies of listed words) out,
// asks about words that did not fit, marks the record and appends it. enteredCount is the
// number of words the user entered (the working record's WordCount before the run).
// The questions go to ask; without one, every question gets the answer that goes on with
// the save. lists, when given, gets the pending selection and is reloaded; reading the
// collection back may throw IoError.
SaveOutcome SaveChosenResult(PuzzleRecord& working, const CandidateSlot& slot, int enteredCount,
                             const PhraseChoice& phrase, const OffensiveWordList& list,
                             RandomSource& random, CollectionFile& file, PuzzleLists* lists,
                             const SaveQuestion& ask);

namespace result_save_messages {
Message NoCandidate();
Message OffensivePhrase();
Message OffensiveFill();
Message WordsMissing();
Message CannotSave();
Message CollectionFull();
} // namespace result_save_messages

} // namespace vorlane
