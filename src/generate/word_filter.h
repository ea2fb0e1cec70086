#pragma once

#include "generate/candidate_slots.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vorlane {

namespace detail {
struct LineMatcher;
}

// A fixed set of words looked for along the lines of a puzzle grid: every row, column and
// diagonal of the W x H grid, read forwards and backwards. A cell outside the shape
// (WordGrid byte 0) breaks a line; a free cell (WordGrid space) reads its FillGrid byte.
// Bytes are compared exactly; an empty word never matches. Built once, searched often.
class GridWordSearch {
public:
    GridWordSearch();
    explicit GridWordSearch(const std::vector<std::string>& words);

    // True when a word runs along a line and that occurrence does not lie wholly inside
    // one placed word along its own line. Placed words are entries 1..WordCount whose
    // flag in placed is set, running from StartCells to EndCells; entries whose cells do
    // not describe a straight line of the word's length are taken as not placed.
    bool FindOutsidePlacedWords(const PuzzleRecord& puzzle, const PlacedFlags& placed) const;
    // True when a word runs along a line through at least one free cell.
    bool FindThroughFreeCell(const PuzzleRecord& puzzle) const;

private:
    std::shared_ptr<const detail::LineMatcher> m_matcher;
};

// The offensive-word list: the built-in entries and the user's BADLIST.TXT additions,
// upper-cased ('a'..'z' only) and ready for testing grids.
class OffensiveWordList {
public:
    static constexpr int kMaxEntries = 120;
    static constexpr int kBuiltInCount = 58;
    static constexpr std::size_t kEntryCapacity = 15;

    // The built-in entries only.
    OffensiveWordList();
    // The built-in entries and the first lines of programDir/BADLIST.TXT, up to 120 in all.
    static OffensiveWordList Load(const std::string& programDir);
    // Adds an entry (cut to 15 characters, upper-cased); false when the list is full.
    bool Add(std::string_view entry);

    const std::vector<std::string>& Entries() const { return m_entries; }
    const GridWordSearch& Search() const { return m_search; }

private:
    void Append(std::string_view entry);

    std::vector<std::string> m_entries;
    GridWordSearch m_search;
};

// True when an entry, or its reversal, runs along a row, column or diagonal of the
// puzzle's W x H grid (cells outside the shape break a line; a free cell reads its
// FillGrid letter). An occurrence that lies wholly inside one placed word, along that
// word's own line, is the user's own choice and does not count; placed words are entries
// 1..WordCount whose flag in placed is set, with their StartCells and EndCells.
bool TestBadWords(const PuzzleRecord& puzzle, const PlacedFlags& placed,
                  const OffensiveWordList& list);

} // namespace vorlane
