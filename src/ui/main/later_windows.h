#pragma once

#include "core/puzzle_record.h"

#include <QString>

#include <functional>

namespace vorlane {

class TMainWin;

// The windows the main window's commands open and that live in their own subsystems. The
// main window does its own part of each command (selection check, reading the record, the
// mode) and then opens the window through this one seam.
struct LaterWindows {
    // The puzzle editor on the working record, with its caption.
    std::function<void(TMainWin&, const QString& caption)> PuzzleEditor;
    // The print options window on its own copy of the record.
    std::function<void(TMainWin&, const PuzzleRecord& printCopy)> PrintOptions;
    // The shape list window.
    std::function<void(TMainWin&)> ShapeList;
    // The page layout list window on its own, where choosing a layout changes no puzzle.
    std::function<void(TMainWin&)> LayoutList;
    // The user dictionary window on the include list (true) or the exclude list.
    std::function<void(TMainWin&, bool include)> UserDictionary;
    // The international character keys window.
    std::function<void(TMainWin&)> InternationalCharacters;
    // The product information window.
    std::function<void(TMainWin&)> OtherProducts;
};

// The windows of this build.
LaterWindows ProgramWindows();

} // namespace vorlane
