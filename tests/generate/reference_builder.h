#pragma once

#include "generate/grid_builder.h"

namespace vorlane::test {

// The creation run written as plainly as possible, one cell and one draw at a time, to
// check the real builder against. Slow; for tests only.
BuildOutcome ReferenceBuildThePuzzles(PuzzleRecord& working, const ShapeRecord& shape,
                                      const CreateOptions& options, const OffensiveWordList& filter,
                                      RandomSource& random, CandidateSlots& slots,
                                      const BuildProgress* progress = nullptr);

} // namespace vorlane::test
