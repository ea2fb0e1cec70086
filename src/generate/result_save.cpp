#include "generate/result_save.h"

#include "core/text.h"
#include "generate/hidden_phrase.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace vorlane {

namespace result_save_messages {

Message NoCandidate() {
    return {"There is no puzzle here to save.  Please choose another puzzle.", "Notice"};
}
Message OffensivePhrase() {
    return {"The hidden phrase used has generated an \"offensive\" word in the puzzle.  "
            "Would you like to change the phrase?",
            "Warning"};
}
Message OffensiveFill() {
    return {"No random letters could be found that keep \"offensive\" words out of this "
            "puzzle.  Please choose another puzzle or use a hidden phrase.",
            "Error"};
}
Message WordsMissing() {
    return {"One or more words did not fit into the puzzle.  Save Puzzle anyway?", "Warning"};
}
Message CannotSave() {
    return {"Unable to save puzzle.", "Error"};
}
Message CollectionFull() {
    return {"The current puzzle group is full.  Unable to save puzzle.", "Error"};
}

} // namespace result_save_messages

namespace {

std::string CountLabel(int count, const char* noun) {
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

// The listed words as they would read in the grid: spaces left out, upper-cased; only
// words of three letters or more, since shorter ones turn up everywhere.
GridWordSearch ListedWords(const PuzzleRecord& puzzle, int enteredCount) {
    std::vector<std::string> words;
    for (int entry = 1; entry <= enteredCount; ++entry) {
        std::string word = puzzle.Word(entry);
        std::erase(word, ' ');
        if (word.size() >= 3)
            words.push_back(UpperCase1252(word));
    }
    return GridWordSearch(words);
}

using FillLetters = std::array<unsigned char, PuzzleRecord::kCellCount>;

// Draws random letters until neither an offensive word nor a second copy of a listed word
// runs through them. After kMaxFillTries sets, the last one with only a repeated word is
// kept; when every set spelt an offensive word, the save fails.
bool FillCleanRandomLetters(PuzzleRecord& working, const CandidateSlot& slot, int enteredCount,
                            const OffensiveWordList& list, RandomSource& random,
                            SaveOutcome& outcome) {
    const GridWordSearch listed = ListedWords(working, enteredCount);
    unsigned char* fill = working.Data() + PuzzleRecord::kFillGridOffset;
    std::optional<FillLetters> repeatOnly;
    for (outcome.FillTries = 1; outcome.FillTries <= kMaxFillTries; ++outcome.FillTries) {
        FillRandomLetters(working, random);
        if (TestBadWords(working, slot.Placed, list))
            continue;
        if (!listed.FindThroughFreeCell(working))
            return true;
        repeatOnly.emplace();
        std::memcpy(repeatOnly->data(), fill, repeatOnly->size());
    }
    outcome.FillTries = kMaxFillTries;
    if (!repeatOnly)
        return false;
    std::memcpy(fill, repeatOnly->data(), repeatOnly->size());
    outcome.RepeatKept = true;
    return true;
}

bool Answer(const SaveQuestion& ask, const Message& question, bool goOn) {
    return ask ? ask(question) : goOn;
}

} // namespace

SlotWords ListSlotWords(const CandidateSlot& slot, int enteredCount) {
    SlotWords words;
    const int count = std::clamp(enteredCount, 0, PuzzleRecord::kMaxWords);
    for (int entry = 1; entry <= count; ++entry)
        (slot.Placed[static_cast<std::size_t>(entry - 1)] ? words.Included : words.Excluded)
            .push_back(slot.Puzzle.Word(entry));
    return words;
}

std::string IncludedWordsLabel(int count) {
    return CountLabel(count, "Included Word");
}

std::string ExcludedWordsLabel(int count) {
    return CountLabel(count, "Excluded Word");
}

SaveOutcome SaveChosenResult(PuzzleRecord& working, const CandidateSlot& slot, int enteredCount,
                             const PhraseChoice& phrase, const OffensiveWordList& list,
                             RandomSource& random, CollectionFile& file, PuzzleLists* lists,
                             const SaveQuestion& ask) {
    SaveOutcome outcome;
    if (slot.Score <= 0) {
        outcome.Status = SaveStatus::NoCandidate;
        outcome.Shown = result_save_messages::NoCandidate();
        return outcome;
    }
    enteredCount = std::clamp(enteredCount, 0, PuzzleRecord::kMaxWords);
    working = slot.Puzzle;

    if (phrase.Include) {
        working.SetHiddenPhraseUsed(true);
        if (auto refused = LayHiddenPhrase(working, phrase.Text, PhraseWindowKind::ResultWindow)) {
            outcome.Status = SaveStatus::PhraseRefused;
            outcome.Shown = std::move(refused);
            return outcome;
        }
        if (TestBadWords(working, slot.Placed, list) &&
            Answer(ask, result_save_messages::OffensivePhrase(), false)) {
            outcome.Status = SaveStatus::ChangePhrase;
            return outcome;
        }
    } else {
        working.SetHiddenPhraseUsed(false);
        if (!FillCleanRandomLetters(working, slot, enteredCount, list, random, outcome)) {
            outcome.Status = SaveStatus::FillFailed;
            outcome.Shown = result_save_messages::OffensiveFill();
            return outcome;
        }
    }

    const bool wordsMissing = !ListSlotWords(slot, enteredCount).Excluded.empty();
    const bool write = !wordsMissing || Answer(ask, result_save_messages::WordsMissing(), true);

    working.SetGenerated(true);
    working.MarkCurrentVersion();
    for (int entry = 1; entry <= PuzzleRecord::kMaxWords; ++entry)
        working.SetPlaced(entry, false);
    const int placedCount = working.UsedWordCount();
    for (int entry = 1; entry <= placedCount; ++entry)
        working.SetPlaced(entry, slot.Placed[static_cast<std::size_t>(entry - 1)]);

    if (!write) {
        outcome.Status = SaveStatus::NotSaved;
        return outcome;
    }
    const SaveResult saved =
        lists ? lists->SaveRecord(file, working, true, 0) : file.Append(working);
    switch (saved) {
    case SaveResult::Saved:
        outcome.Status = SaveStatus::Saved;
        break;
    case SaveResult::CannotOpen:
        outcome.Status = SaveStatus::CannotOpen;
        outcome.Shown = result_save_messages::CannotSave();
        break;
    case SaveResult::Full:
        outcome.Status = SaveStatus::Full;
        outcome.Shown = result_save_messages::CollectionFull();
        break;
    }
    return outcome;
}

} // namespace vorlane
