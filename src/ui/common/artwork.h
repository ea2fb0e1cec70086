#pragma once

#include <QIcon>
#include <QPixmap>

// The program's pictures, drawn in code so that they stay sharp at every screen factor.
namespace vorlane {

enum class ToolPicture {
    NewCollection,
    OpenCollection,
    NewPuzzle,
    ModifyPuzzle,
    CopyPuzzle,
    DeletePuzzle,
    ImportPuzzles,
    ExportPuzzles,
    PrintPuzzle,
    PuzzleShape,
    PageLayout,
    Help,
    Exit,
};

// A tool bar button's picture.
QIcon ToolIcon(ToolPicture picture);
// The program's picture (a small letter grid with a word circled), side by side pixels.
QPixmap ProgramLogo(int side);
// The 96 x 96 tile painted over the main window's background.
QPixmap BackgroundTile();

} // namespace vorlane
