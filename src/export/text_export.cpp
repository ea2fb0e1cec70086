#include "export/text_export.h"

#include "core/safe_file.h"
#include "core/text.h"

#include <algorithm>

namespace vorlane {

namespace {

constexpr const char* kLineEnd = "\r\n";

} // namespace

TextExportOptions TextExportOptions::FromSettings(const Settings& settings) {
    TextExportOptions options;
    options.LetterSpacing = settings.LetterSpacing;
    options.LineSpacing = settings.LineSpacing;
    options.LowerCase = settings.LowerCase;
    return options;
}

std::string TextExportBytes(const PuzzleRecord& puzzle, const TextExportOptions& options) {
    const int spaces = std::clamp(options.LetterSpacing, 1, 4) - 1;
    const bool doubled = options.LineSpacing == 2;
    const int width = std::clamp<int>(puzzle.GridWidth(), 0, PuzzleRecord::kGridSide);
    const int height = std::clamp<int>(puzzle.GridHeight(), 0, PuzzleRecord::kGridSide);

    std::string text = puzzle.Title() + kLineEnd;
    text += kLineEnd;
    if (doubled)
        text += kLineEnd;
    for (int row = 1; row <= height; ++row) {
        for (int column = 1; column <= width; ++column) {
            const int cell = PuzzleRecord::CellIndex(row, column);
            unsigned char letter = puzzle.WordGridCell(cell);
            if (letter == 0)
                letter = ' ';
            else if (letter == ' ')
                letter = puzzle.FillGridCell(cell);
            if (options.LowerCase)
                letter = LowerCase1252(letter);
            text.append(static_cast<std::size_t>(spaces), ' ');
            text += static_cast<char>(letter);
        }
        text += kLineEnd;
        if (doubled)
            text += kLineEnd;
    }
    text += kLineEnd;
    const int printed = puzzle.PrintedWordCount();
    for (int entry = 1; entry <= printed; ++entry)
        text += puzzle.Word(entry) + kLineEnd;
    return text;
}

bool WriteTextExport(const std::string& path, const PuzzleRecord& puzzle,
                     const TextExportOptions& options) {
    return AtomicWriteFile(path, TextExportBytes(puzzle, options));
}

Message TextExportDoneMessage() {
    return {"File created succesfully.", "Notice"};
}

Message TextExportFailedMessage() {
    return {"Unable to save puzzle.", "Error"};
}

} // namespace vorlane
