#pragma once

#include "core/message.h"
#include "core/puzzle_record.h"
#include "core/settings.h"

#include <string>

namespace vorlane {

// How the plain-text puzzle file lays out its grid.
struct TextExportOptions {
    // Spaces before each grid letter plus one: 1 = none, 2 = one, 3 = two, 4 = three.
    int LetterSpacing = 2;
    // 1 = single, 2 = double (a blank line after the title's blank line and after every row).
    int LineSpacing = 1;
    // Grid letters lower-cased by the Windows-1252 rule.
    bool LowerCase = false;

    // "Letter Spacing", "Line Spacing" and "Lower Case" of the "Reports" section.
    static TextExportOptions FromSettings(const Settings& settings);
};

// The plain-text puzzle file: the title, the letter grid and the printed word list, in
// Windows-1252 with carriage return and line feed after every line. Spacing values outside
// their ranges are brought into them.
std::string TextExportBytes(const PuzzleRecord& puzzle, const TextExportOptions& options);

// Writes the file beside path and renames it over path. False when it cannot be created
// (the program then shows TextExportFailedMessage()); a later write failure throws IoError.
bool WriteTextExport(const std::string& path, const PuzzleRecord& puzzle,
                     const TextExportOptions& options);

// "File created succesfully." (caption "Notice"), shown after the file was written.
Message TextExportDoneMessage();
// "Unable to save puzzle." (caption "Error").
Message TextExportFailedMessage();

} // namespace vorlane
