#pragma once

#include "core/puzzle_record.h"

#include <array>
#include <cstdint>

namespace vorlane {

// The placed mark of every word entry 1..330 (index 0 is entry 1).
using PlacedFlags = std::array<bool, PuzzleRecord::kMaxWords>;

// One kept attempt of a creation run: its score (words placed; 0 = no candidate), the
// whole puzzle record as the attempt left it and the attempt's placed flags.
struct CandidateSlot {
    std::int32_t Score = 0;
    PuzzleRecord Puzzle;
    PlacedFlags Placed{};
};

// Slots 1 (best) to 4 are elements 0..3. About 380 KB: allocate once and keep.
using CandidateSlots = std::array<CandidateSlot, 4>;

} // namespace vorlane
