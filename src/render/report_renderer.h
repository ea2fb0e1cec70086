#pragma once

#include "core/message.h"
#include "core/puzzle_record.h"
#include "core/random_source.h"
#include "core/settings.h"
#include "render/picture_loader.h"
#include "render/render_results.h"
#include "render/report_canvas.h"
#include "render/report_stream.h"

#include <vector>

namespace vorlane {

// The print options that decide what a page shows.
struct PrintOptions {
    bool PrintTitle = true;
    bool PrintBody = true;
    bool PrintWords = true;
    bool PrintBonus = true;
    bool AnswerKey = false;
    bool UseGrid = true;
    bool LowerCase = false;
    int NumColumns = 3;
    int WordOption = 1; // 1 normal, 2 clues, 3 scrambled, 4 partial
    bool ClueUnderscore = false;
    bool PartialUnderscore = false;
    int FirstLetters = 1;
    int LastLetters = 1;

    static PrintOptions FromSettings(const Settings& settings);
};

struct RenderRun {
    RenderResults Results;
    // The bitmap warning, then the clues, words and text warnings; caption "Warning".
    std::vector<Message> Warnings;
};

inline constexpr const char* kMissingBitmapsWarning =
    "One or more bitmaps in the layout design could not be located.";
inline constexpr const char* kCluesWarning =
    "Puzzle Clues would not fit in allocated space.  You will need to change the alotted clue "
    "space on the page layout, change the font size for the clues or select the \"Make It "
    "Fit\" attribute for the clue fonts.";
inline constexpr const char* kWordsWarning =
    "Puzzle Words would not fit in allocated space.  You will need to change the alotted word "
    "space on the page layout, change the font size for the words or select the \"Make It "
    "Fit\" attribute for the puzzle words.";
inline constexpr const char* kTextWarning =
    "Text would not fit in allocated space.  You will need to change the alotted text space "
    "on the page layout, change the font size for the text or select the \"Make It Fit\" "
    "attribute for the text object.";

// Draws the page of a print copy with its own page layout onto the canvas: chooses the
// paper, then draws the objects in order. The random source shuffles scrambled words; the
// loader finds the pictures of bitmap objects. Damaged values in the record are clamped.
RenderRun RenderPage(const PuzzleRecord& printCopy, const PrintOptions& options,
                     ReportCanvas& canvas, RandomSource& random, const PictureLoader& pictures);

// A page drawn into a report stream, measured with the metrics of a reference device.
struct RecordedPage {
    ReportStream Stream;
    RenderRun Run;
};
RecordedPage RecordPage(const PuzzleRecord& printCopy, const PrintOptions& options,
                        const TextMetrics& metrics, RandomSource& random,
                        const PictureLoader& pictures);

// Writes the font sizes a run used into the objects of the print copy's layout, where the
// metafile renderer reads them; objects the run did not draw with a font keep theirs.
void StoreFittedFontSizes(const RenderResults& results, PuzzleRecord& printCopy);

} // namespace vorlane
