#pragma once

#include "core/random_source.h"
#include "generate/candidate_slots.h"
#include "generate/create_options.h"
#include "generate/word_filter.h"
#include "shapes/shape_record.h"

#include <functional>

namespace vorlane {

// What a creation run tells and asks the window that shows its progress.
struct BuildProgress {
    // An attempt begins (its number counts from 1; a rejected attempt is repeated under
    // the same number).
    std::function<void(int attempt)> AttemptStarted;
    // Asked after each attempt; true ends the run there.
    std::function<bool()> AbortRequested;
};

struct BuildOutcome {
    bool Aborted = false;
    int LastAttempt = 0;   // the number of the last counted attempt
    int GivenUpAttempts = 0; // attempts that the offensive-word check rejected 200 times
};

// Lays the working record's words into the shape's grid over options.Attempts attempts
// and keeps the best four in slots. The working record is left exactly as it was.
BuildOutcome BuildThePuzzles(PuzzleRecord& working, const ShapeRecord& shape,
                             const CreateOptions& options, const OffensiveWordList& filter,
                             RandomSource& random, CandidateSlots& slots,
                             const BuildProgress* progress = nullptr);

} // namespace vorlane
