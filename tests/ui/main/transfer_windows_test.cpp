#include "core/puzzle_transfer.h"
#include "core/test_collections.h"
#include "support/gui_helpers.h"
#include "support/scripted_prompter.h"
#include "ui/common/app_context.h"
#include "ui/common/ui_text.h"
#include "ui/main/export_puzzles.h"
#include "ui/main/import_puzzles.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace vorlane;
using namespace vorlane::test;
using vorlane::testing::Click;
using vorlane::testing::Find;
using vorlane::testing::ScriptedPrompter;

namespace {

const PuzzleRecord kA = MakeRecord("Animals", "apple");
const PuzzleRecord kB = MakeRecord("Birds", "Banana");
const PuzzleRecord kC = MakeRecord("Animals", "cherry");
const PuzzleRecord kOld = MakeRecord("Old", "Kept");

std::string Records(std::initializer_list<PuzzleRecord> records) {
    std::string bytes;
    for (const PuzzleRecord& r : records)
        bytes += RecordBytes(r);
    return bytes;
}

QStringList Titles(QWidget* window) {
    QStringList titles;
    auto* list = Find<QListWidget>(window, "puzzleListBox");
    for (int i = 0; i < list->count(); ++i)
        titles << list->item(i)->text();
    return titles;
}

void ClickRow(QWidget* window, int row) {
    auto* list = Find<QListWidget>(window, "puzzleListBox");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

bool Enabled(QWidget* window, const char* button) {
    return Find<QPushButton>(window, button)->isEnabled();
}

class TransferWindows : public ::testing::Test {
protected:
    TransferWindows() {
        context.prompter = &prompts;
        context.screen = QSize(800, 600);
        // File order C, A, B; the lists show A, B, C.
        WriteCollection(source, {kC, kA, kB});
        WriteCollection(current, {kOld});
    }
    void ExpectMessage(const Message& message) {
        EXPECT_EQ(prompts.Last().text, FromCp1252(message.Text));
        EXPECT_EQ(prompts.Last().caption, FromCp1252(message.Caption));
    }

    ScriptedPrompter prompts;
    AppContext context;
    TempDir dir;
    std::string source = dir.File("OTHER.VL3");
    std::string current = dir.File("CURRENT.VL3");
};

const QStringList kSorted = {QStringLiteral("apple"), QStringLiteral("Banana"),
                             QStringLiteral("cherry")};

} // namespace

TEST_F(TransferWindows, ImportListsSortedTitlesAndAppendsThemInListOrder) {
    TImportPuzzles window(context, source, current);
    window.show();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Import Word Search Puzzles"));
    EXPECT_EQ(Find<QLabel>(&window, "headingLabel")->text(), QStringLiteral("Puzzles in File"));
    EXPECT_EQ(Find<QLabel>(&window, "fileNameLabel")->text(),
              QStringLiteral("File Name: ") + FromPath(source));
    EXPECT_EQ(Titles(&window), kSorted);
    EXPECT_FALSE(Enabled(&window, "okButton"));

    Click(&window, "selectAllButton");
    Click(&window, "okButton");
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(ReadBytes(current), Records({kOld, kA, kB, kC}));
    EXPECT_TRUE(prompts.History().empty());
}

TEST_F(TransferWindows, ActionButtonFollowsTheSelection) {
    TImportPuzzles import(context, source, current);
    TExportPuzzles exporting(context, source);
    for (auto [window, action] :
         {std::pair<QWidget*, const char*>{&import, "okButton"}, {&exporting, "saveFileButton"}}) {
        window->show();
        ClickRow(window, 1);
        EXPECT_TRUE(Enabled(window, action));
        ClickRow(window, 2);
        ClickRow(window, 1);
        EXPECT_TRUE(Enabled(window, action)) << "one item is still selected";
        ClickRow(window, 2);
        EXPECT_FALSE(Enabled(window, action));
        Click(window, "selectAllButton");
        EXPECT_TRUE(Enabled(window, action));
        Click(window, "clearAllButton");
        EXPECT_FALSE(Enabled(window, action));
        EXPECT_TRUE(Find<QListWidget>(window, "puzzleListBox")->selectedItems().isEmpty());
    }
}

TEST_F(TransferWindows, ImportCancelChangesNothing) {
    TImportPuzzles window(context, source, current);
    window.show();
    Click(&window, "selectAllButton");
    Click(&window, "cancelButton");
    EXPECT_EQ(window.result(), QDialog::Rejected);
    EXPECT_EQ(ReadBytes(current), Records({kOld}));
}

TEST_F(TransferWindows, ImportOfAnUnreadableFileListsNothing) {
    WriteBytes(source, RecordBytes(kA) + "torn");
    TImportPuzzles damaged(context, source, current);
    damaged.show();
    EXPECT_EQ(prompts.Last().text, QStringLiteral("Read beyond end of file"));
    EXPECT_TRUE(Titles(&damaged).isEmpty());

    TImportPuzzles missing(context, dir.File("MISSING.VL3"), current);
    missing.show();
    EXPECT_TRUE(Titles(&missing).isEmpty());
    Click(&missing, "selectAllButton");
    Click(&missing, "okButton");
    ExpectMessage(transfer_messages::NoneSelectedForImport());
    EXPECT_TRUE(missing.isVisible());
    EXPECT_EQ(ReadBytes(current), Records({kOld}));
}

TEST_F(TransferWindows, ImportIntoAnUnwritableCollectionSaysSoAndCloses) {
    TImportPuzzles window(context, source, dir.File("no/such/folder.VL3"));
    window.show();
    ClickRow(&window, 0);
    Click(&window, "okButton");
    ExpectMessage(transfer_messages::CannotImport());
    EXPECT_EQ(window.result(), QDialog::Rejected);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(TransferWindows, ExportWritesTheChosenPuzzlesInListOrder) {
    const std::string target = dir.File("CHOSEN.VL3");
    context.settings.LastExportPuzzleFile = dir.File("LAST.VL3");
    TExportPuzzles window(context, source);
    window.show();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Export Word Search Puzzles"));
    EXPECT_EQ(Find<QLabel>(&window, "headingLabel")->text(),
              QStringLiteral("Puzzles Available For Export"));
    EXPECT_EQ(Titles(&window), kSorted);
    EXPECT_FALSE(Enabled(&window, "saveFileButton"));

    ClickRow(&window, 2);
    ClickRow(&window, 0);
    prompts.NextFile(FromPath(target));
    Click(&window, "saveFileButton");

    ASSERT_EQ(prompts.History().size(), 1u);
    const FileDialogRequest& request = prompts.History()[0].request;
    EXPECT_EQ(request.Title, QStringLiteral("Save Word Search Puzzles"));
    EXPECT_EQ(request.Filter, QStringLiteral("VRLAN Files (*.VL3)|*.VL3"));
    EXPECT_EQ(request.DefaultExtension, QStringLiteral("VL3"));
    EXPECT_EQ(request.InitialPath, FromPath(dir.File("LAST.VL3")));
    EXPECT_TRUE(request.ConfirmOverwrite);

    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_EQ(context.settings.LastExportPuzzleFile, target);
    EXPECT_EQ(ReadBytes(target), Records({kA, kC}));
}

TEST_F(TransferWindows, CancellingTheSaveDialogClosesWithoutWriting) {
    TExportPuzzles window(context, source);
    window.show();
    Click(&window, "selectAllButton");
    prompts.NextFile(std::nullopt);
    Click(&window, "saveFileButton");
    EXPECT_EQ(window.result(), QDialog::Rejected);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"CURRENT.VL3", "OTHER.VL3"}));
    EXPECT_EQ(prompts.Unexpected(), 0);
}

TEST_F(TransferWindows, ExportRefusesTheCurrentCollectionUnderAnySpelling) {
    TExportPuzzles window(context, current);
    window.show();
    ClickRow(&window, 0);
    prompts.NextFile(FromPath(dir.Path() + "/./CURRENT.VL3"));
    Click(&window, "saveFileButton");
    ExpectMessage(transfer_messages::SameAsCurrentFile());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(ReadBytes(current), Records({kOld}));

    // Nothing selected (an empty list after Select All): no dialog at all.
    TExportPuzzles empty(context, dir.File("MISSING.VL3"));
    empty.show();
    Click(&empty, "selectAllButton");
    Click(&empty, "saveFileButton");
    ExpectMessage(transfer_messages::NoneSelectedForExport());
    EXPECT_TRUE(empty.isVisible());
}

TEST_F(TransferWindows, Screenshots) {
    const QString folder = qEnvironmentVariable("VORLANE_SCREENSHOT_DIR");
    if (folder.isEmpty())
        GTEST_SKIP() << "VORLANE_SCREENSHOT_DIR is not set";
    QDir().mkpath(folder);
    WriteCollection(
        source, {kC, kA, kB, MakeRecord("Sea", "Ocean Life"), MakeRecord("Sea", "Caf\xE9 Words")});
    TImportPuzzles import(context, source, current);
    import.show();
    ClickRow(&import, 1);
    vorlane::testing::ProcessEvents();
    EXPECT_TRUE(import.grab().save(folder + QStringLiteral("/import_puzzles.png")));
    TExportPuzzles exporting(context, source);
    exporting.show();
    Click(&exporting, "selectAllButton");
    vorlane::testing::ProcessEvents();
    EXPECT_TRUE(exporting.grab().save(folder + QStringLiteral("/export_puzzles.png")));
}
