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

// A tool bar button's picture, sharp at 16, 24, 32 and 48 pixels.
QIcon ToolIcon(ToolPicture picture);
// The same picture drawn at side x side pixels.
QPixmap ToolPixmap(ToolPicture picture, int side);
// The program's picture (a small letter grid with a word circled), side by side pixels.
QPixmap ProgramLogo(int side);
// The tip window's picture (a lit light bulb), side by side pixels.
QPixmap TipPicture(int side);
// The 96 x 96 tile painted over the main window's background.
QPixmap BackgroundTile();

} // namespace vorlane
