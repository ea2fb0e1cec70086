#pragma once

#include "core/puzzle_record.h"

#include <string>

// Collections for the benchmarks, in one temporary folder removed at exit.
namespace vorlane::bench {

// The folder, made on first use.
std::string BenchFolder();
// Puzzle i of a benchmark collection: one of 20 categories, a numbered title, a full grid.
PuzzleRecord Record(int i);
// A sparse collection of that many records: only the listed bytes of each are written, so a
// large one is quick to make. Made once and reused.
std::string SparseCollection(int records);

} // namespace vorlane::bench
