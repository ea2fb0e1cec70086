#pragma once

#include "core/message.h"
#include "core/puzzle_record.h"
#include "core/random_source.h"
#include "render/metafile_info.h"
#include "render/pixel_canvas.h"
#include "render/render_results.h"
#include "render/report_canvas.h"
#include "render/report_renderer.h"

#include <string>
#include <vector>

// The page drawn a second time, into a Windows metafile, from what the last drawing of the
// same print copy with the same options decided (its render results).
namespace vorlane {

enum class MetafileKind { Wmf, Emf };

inline constexpr const char* kMetafileCreator = "Vorlane 98";
inline constexpr const char* kMetafileDescription = "Word Search Puzzle";
inline constexpr int kMetafilePixelsPerInch = 96;

inline constexpr const char* kMetafileBitmapsWarning =
    "Bitmaps in this puzzle will not be saved in the metafile.";

// What to tell the user before a metafile export: the bitmap warning ("Warning") when the
// print copy's layout has a bitmap object, which a metafile leaves out.
std::vector<Message> MetafileWarnings(const PuzzleRecord& printCopy);

// Pixel size Trunc(inches x 96) and physical size Trunc(inches x 2540 x 1.2) in hundredths
// of a millimetre of a page.
MetafileInfo MetafileInfoFor(double pageWidth, double pageHeight);

// Draws the page onto a canvas of MetafileInfoFor(results' page size). metrics measure at
// 96 pixels per inch; random draws the scrambled words anew. Bitmap objects are skipped.
void DrawMetafilePage(const PuzzleRecord& printCopy, const PrintOptions& options,
                      const RenderResults& results, const TextMetrics& metrics,
                      RandomSource& random, PixelCanvas& canvas);

// The bytes of the metafile file of the page.
std::string WriteMetafile(const PuzzleRecord& printCopy, const PrintOptions& options,
                          const RenderResults& results, const TextMetrics& metrics,
                          RandomSource& random, MetafileKind kind);

} // namespace vorlane
