#include "ui/main/later_windows.h"

#include "ui/common/app_context.h"
#include "ui/common/prompter.h"
#include "ui/main/main_win.h"

namespace vorlane {

namespace {

void NotInThisBuild(TMainWin& main, const QString& what) {
    main.Context().prompter->Inform(what + QStringLiteral(" is not part of this build yet."),
                                    QStringLiteral("Notice"));
}

} // namespace

LaterWindows ProgramWindows() {
    LaterWindows windows;
    windows.PuzzleEditor = [](TMainWin& main, const QString&) {
        NotInThisBuild(main, QStringLiteral("The puzzle editor"));
    };
    windows.PrintOptions = [](TMainWin& main, const PuzzleRecord&) {
        NotInThisBuild(main, QStringLiteral("Printing"));
    };
    windows.ShapeList = [](TMainWin& main) {
        NotInThisBuild(main, QStringLiteral("The shape list"));
    };
    windows.LayoutList = [](TMainWin& main) {
        NotInThisBuild(main, QStringLiteral("The page layout list"));
    };
    windows.UserDictionary = [](TMainWin& main, bool) {
        NotInThisBuild(main, QStringLiteral("The user dictionary"));
    };
    windows.InternationalCharacters = [](TMainWin& main) {
        NotInThisBuild(main, QStringLiteral("The international characters window"));
    };
    windows.OtherProducts = [](TMainWin& main) {
        main.Context().prompter->Inform(
            QStringLiteral("Vorlane 98 makes word search puzzles.  There is no other product "
                           "information in this edition."),
            QStringLiteral("Other Products"));
    };
    return windows;
}

} // namespace vorlane
