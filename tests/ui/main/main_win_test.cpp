#include "core/collection_file.h"
#include "core/old_puzzle.h"
#include "core/settings.h"
#include "core/test_collections.h"
#include "support/gui_helpers.h"
#include "support/scripted_prompter.h"
#include "ui/common/app_context.h"
#include "ui/main/import_puzzles.h"
#include "ui/main/main_win.h"
#include "ui/main/tip_of_day.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>

using namespace vorlane;
using vorlane::test::MakeRecord;
using vorlane::test::ReadBytes;
using vorlane::test::RecordBytes;
using vorlane::test::TempDir;
using vorlane::test::WriteBytes;
using vorlane::test::WriteCollection;
using vorlane::testing::Find;
using vorlane::testing::ScriptedPrompter;

namespace {

QStringList L(std::initializer_list<const char*> texts) {
    QStringList list;
    for (const char* t : texts)
        list << QString::fromUtf8(t);
    return list;
}

PuzzleRecord Generated(const std::string& category, const std::string& title) {
    PuzzleRecord record = MakeRecord(category, title);
    record.SetGenerated(true);
    return record;
}

// A start directory with a settings file and collection A, a program directory, and the
// windows of later subsystems replaced by recorders.
class MainWinTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directory(start.Path() + "/program");
        context.startDir = start.Path();
        context.programDir = start.Path() + "/program";
        context.screen = QSize(1280, 1024);
        context.prompter = &prompter;
        settings = Settings::Defaults(start.Path());
        settings.ShowTips = false;
        settings.LastGroup = start.File("A.VL3");
        WriteCollection(start.File("A.VL3"),
                        {Generated("Animals", "Zebra"), Generated("Animals", "Cat"),
                         MakeRecord("Food", "Bread"), Generated("Animals", "Mouse")});
        options.Languages =
            LanguageSearch{{start.Path() + "/nolanguages"}, {start.Path() + "/nolanguages"}};
        options.Windows.PuzzleEditor = [this](TMainWin& w, const QString& caption) {
            opened.push_back(QStringLiteral("editor:") + caption);
            editorTitle = w.WorkingRecord().Title();
        };
        options.Windows.PrintOptions = [this](TMainWin&, const PuzzleRecord& copy) {
            opened.push_back(QStringLiteral("print:") + QString::fromStdString(copy.Title()));
        };
        options.Windows.ShapeList = [this](TMainWin&) {
            opened.push_back(QStringLiteral("shapes"));
        };
        options.Windows.LayoutList = [this](TMainWin&) {
            opened.push_back(QStringLiteral("layouts"));
        };
    }

    TMainWin& Start() {
        SaveSettings(settings, SettingsFilePath(start.Path()));
        window = std::make_unique<TMainWin>(context, options);
        window->show();
        return *window;
    }

    void Trigger(const char* name) {
        auto* action = window->findChild<QAction*>(QString::fromLatin1(name));
        ASSERT_NE(action, nullptr) << name;
        action->trigger();
    }

    QStringList Items(const char* box) {
        QStringList items;
        auto* list = Find<QListWidget>(window.get(), box);
        for (int i = 0; i < list->count(); ++i)
            items << list->item(i)->text();
        return items;
    }

    QString Current(const char* box) {
        auto* item = Find<QListWidget>(window.get(), box)->currentItem();
        return item && item->isSelected() ? item->text() : QString();
    }

    void SelectPuzzle(const QString& title) {
        auto* list = Find<QListWidget>(window.get(), "puzzleListBox");
        const auto found = list->findItems(title, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << title.toStdString();
        list->setCurrentItem(found.front());
    }

    std::vector<std::string> Titles(const std::string& path) {
        std::vector<std::string> titles;
        for (const auto& entry : CollectionFile(path).List().TitleList)
            titles.push_back(entry.Title);
        return titles;
    }

    bool PuzzleCommandsEnabled(bool expected) {
        bool all = true;
        for (const char* name :
             {"modifyPuzzleButton", "copyPuzzleButton", "deletePuzzleButton", "printPuzzleButton"})
            all = all && Find<QToolButton>(window.get(), name)->isEnabled() == expected;
        for (const char* name :
             {"modifyPuzzleAction", "copyPuzzleAction", "deletePuzzleAction", "printPuzzleAction"})
            all = all &&
                  window->findChild<QAction*>(QString::fromLatin1(name))->isEnabled() == expected;
        return all;
    }

    TempDir start;
    AppContext context;
    ScriptedPrompter prompter;
    Settings settings;
    MainWinOptions options;
    std::unique_ptr<TMainWin> window;
    QStringList opened;
    std::string editorTitle;
};

} // namespace

TEST_F(MainWinTest, StartsOnTheCurrentCollectionWithTheFirstTitleSelected) {
    Start();
    EXPECT_EQ(Items("categoryListBox"), L({"Animals", "Food"}));
    EXPECT_EQ(Current("categoryListBox"), QStringLiteral("Animals"));
    EXPECT_EQ(Items("puzzleListBox"), L({"Cat", "Mouse", "Zebra"}));
    EXPECT_EQ(Current("puzzleListBox"), QStringLiteral("Cat"));
    EXPECT_TRUE(PuzzleCommandsEnabled(true));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Vorlane 98 (A)"));
    EXPECT_TRUE(prompter.History().empty());
}

TEST_F(MainWinTest, PuzzleCommandsAreEnabledExactlyWithASelectedTitle) {
    Start();
    // Another category shows its titles with none selected.
    Find<QListWidget>(window.get(), "categoryListBox")->setCurrentRow(1);
    EXPECT_EQ(Items("puzzleListBox"), L({"Bread"}));
    EXPECT_TRUE(PuzzleCommandsEnabled(false));
    SelectPuzzle(QStringLiteral("Bread"));
    EXPECT_TRUE(PuzzleCommandsEnabled(true));

    // An empty collection has nothing to select.
    settings.LastGroup = start.File("EMPTY.VL3");
    window.reset();
    Start();
    EXPECT_TRUE(Items("categoryListBox").isEmpty());
    EXPECT_TRUE(PuzzleCommandsEnabled(false));
}

TEST_F(MainWinTest, PuzzleCommandsWithoutSelectionSayNoPuzzleSelected) {
    WriteCollection(start.File("B.VL3"), {Generated("Sport", "Golf")});
    Start();
    prompter.NextFile(QString::fromStdString(start.File("B.VL3")));
    Trigger("openCollectionAction");
    // Right after opening the buttons keep their state, and each command checks again.
    for (const char* action :
         {"modifyPuzzleAction", "copyPuzzleAction", "deletePuzzleAction", "printPuzzleAction"}) {
        prompter.Clear();
        Trigger(action);
        ASSERT_EQ(prompter.Messages().size(), 1u) << action;
        EXPECT_EQ(prompter.Last().text,
                  QStringLiteral("No puzzle selected.  Please select a puzzle first."));
        EXPECT_EQ(prompter.Last().caption, QStringLiteral("Error"));
    }
    EXPECT_TRUE(opened.isEmpty());
}

TEST_F(MainWinTest, DeleteAsksAndRestoresTheSelection) {
    Start();
    SelectPuzzle(QStringLiteral("Mouse"));
    prompter.AnswerNo();
    Trigger("deletePuzzleAction");
    EXPECT_EQ(prompter.Last().text, QStringLiteral("Are you sure you want to delete Mouse?"));
    EXPECT_EQ(prompter.Last().caption, QStringLiteral("Delete"));
    EXPECT_EQ(Titles(start.File("A.VL3")).size(), 4u);

    prompter.AnswerYes();
    Trigger("deletePuzzleAction");
    EXPECT_EQ(Titles(start.File("A.VL3")), (std::vector<std::string>{"Zebra", "Cat", "Bread"}));
    EXPECT_EQ(Items("puzzleListBox"), L({"Cat", "Zebra"}));
    EXPECT_EQ(Current("puzzleListBox"), QStringLiteral("Cat"));
    EXPECT_TRUE(PuzzleCommandsEnabled(true));
}

TEST_F(MainWinTest, NewCollectionEmptiesTheChosenFileAndOffersTheFirstPuzzle) {
    WriteCollection(start.File("OLD.VL3"), {MakeRecord("X", "Y")});
    Start();
    prompter.NextFile(QString::fromStdString(start.File("OLD.VL3")));
    prompter.AnswerYes();
    Trigger("newCollectionAction");

    ASSERT_EQ(prompter.History().front().kind, ScriptedPrompter::Kind::SaveFile);
    EXPECT_EQ(prompter.History().front().request.Title, QStringLiteral("Create New Puzzle Group"));
    EXPECT_TRUE(prompter.History().front().request.ConfirmOverwrite);
    EXPECT_EQ(ReadBytes(start.File("OLD.VL3")).size(), 0u);
    EXPECT_TRUE(Items("categoryListBox").isEmpty());
    EXPECT_TRUE(Items("puzzleListBox").isEmpty());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Vorlane 98 (OLD)"));
    EXPECT_EQ(context.settings.LastFile[0], start.File("A.VL3"));
    EXPECT_EQ(
        prompter.Last().text,
        QStringLiteral(
            "Would you like to create your first puzzle now for this new puzzle collection?"));
    EXPECT_EQ(prompter.Last().caption, QStringLiteral("New Puzzle"));
    EXPECT_EQ(opened, L({"editor:Create New Puzzle"}));
    EXPECT_TRUE(window->NewPuzzleMode());
    EXPECT_TRUE(PuzzleCommandsEnabled(false));
}

TEST_F(MainWinTest, OpenRefusesOtherExtensionsAndTakesAnyVl3) {
    WriteBytes(start.File("PUZZLES.TXT"), "words");
    PuzzleRecord junk;
    std::memset(junk.Data(), 'x', PuzzleRecord::kSize);
    junk.Data()[6] = 3;  // category "xxx"
    junk.Data()[27] = 5; // title "xxxxx"
    WriteBytes(start.File("X.VL3"), RecordBytes(junk));
    Start();

    prompter.NextFile(QString::fromStdString(start.File("PUZZLES.TXT")));
    Trigger("openCollectionAction");
    EXPECT_EQ(prompter.Last().text,
              QStringLiteral("The file selected is not a valid Word Search file."));
    EXPECT_EQ(prompter.Last().caption, QStringLiteral("Error"));
    EXPECT_EQ(window->CurrentPath(), start.File("A.VL3"));

    prompter.Clear();
    prompter.NextFile(QString::fromStdString(start.File("X.VL3")));
    Trigger("openCollectionAction");
    EXPECT_TRUE(prompter.Messages().empty());
    EXPECT_EQ(window->CurrentPath(), start.File("X.VL3"));
    EXPECT_EQ(Items("categoryListBox"), L({"xxx"}));
    EXPECT_EQ(Items("puzzleListBox"), L({"xxxxx"}));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Vorlane 98 (X)"));
}

TEST_F(MainWinTest, RecentFilesListThePredecessorsMostRecentFirst) {
    WriteCollection(start.File("B.VL3"), {MakeRecord("B", "b")});
    WriteCollection(start.File("C.VL3"), {MakeRecord("C", "c")});
    Start();
    auto* separator = window->findChild<QAction*>(QStringLiteral("lastFile1Action"));
    ASSERT_NE(separator, nullptr);
    EXPECT_FALSE(separator->isVisible());

    prompter.NextFile(QString::fromStdString(start.File("B.VL3")));
    Trigger("openCollectionAction");
    prompter.NextFile(QString::fromStdString(start.File("C.VL3")));
    Trigger("openCollectionAction");
    EXPECT_EQ(context.settings.LastFile[0], start.File("B.VL3"));
    EXPECT_EQ(context.settings.LastFile[1], start.File("A.VL3"));
    EXPECT_EQ(context.settings.LastFile[2], "");
    auto* first = window->findChild<QAction*>(QStringLiteral("lastFile1Action"));
    auto* third = window->findChild<QAction*>(QStringLiteral("lastFile3Action"));
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->text(), QStringLiteral("&1   ") + QString::fromStdString(start.File("B.VL3")));
    EXPECT_FALSE(third->isVisible());

    // Choosing A from the list: C becomes the first entry and A leaves the list.
    Trigger("lastFile2Action");
    EXPECT_EQ(window->CurrentPath(), start.File("A.VL3"));
    EXPECT_EQ(context.settings.LastFile[0], start.File("C.VL3"));
    EXPECT_EQ(context.settings.LastFile[1], start.File("B.VL3"));
    EXPECT_EQ(context.settings.LastFile[2], "");
    EXPECT_EQ(Items("categoryListBox"), L({"Animals", "Food"}));

    // A recent file deleted meanwhile does nothing and stays listed.
    std::filesystem::remove(start.File("C.VL3"));
    Trigger("lastFile1Action");
    EXPECT_EQ(window->CurrentPath(), start.File("A.VL3"));
    EXPECT_EQ(context.settings.LastFile[0], start.File("C.VL3"));
    EXPECT_TRUE(prompter.Messages().empty());
}

TEST_F(MainWinTest, DisplayNameDropsTheLastFourCharacters) {
    WriteCollection(start.File("COLLECTION"), {MakeRecord("A", "B")});
    settings.LastGroup = start.File("COLLECTION");
    Start();
    EXPECT_EQ(window->DisplayName(), QStringLiteral("COLLEC"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Vorlane 98 (COLLEC)"));
}

TEST_F(MainWinTest, ScreenSizeTooLargeForTheScreenIsRefusedAndTheSettingKept) {
    context.screen = QSize(800, 600);
    settings.WindowSize = 1024;
    Start();
    EXPECT_DOUBLE_EQ(context.factor, 1.0);
    EXPECT_TRUE(window->findChild<QAction*>(QStringLiteral("screenSize640Action"))->isChecked());
    EXPECT_EQ(window->centralWidget()->size(),
              QSize(TMainWin::kDesignWidth, TMainWin::kDesignHeight));

    Trigger("screenSize1280Action");
    EXPECT_EQ(
        prompter.Last().text,
        QStringLiteral("Your current screen resolution does not support 1280 x 1024 pixels."));
    EXPECT_EQ(prompter.Last().caption, QStringLiteral("Error"));
    EXPECT_TRUE(window->findChild<QAction*>(QStringLiteral("screenSize640Action"))->isChecked());
    EXPECT_FALSE(window->findChild<QAction*>(QStringLiteral("screenSize1280Action"))->isChecked());

    // The size already set does nothing, though the window shows another factor.
    prompter.Clear();
    Trigger("screenSize1024Action");
    EXPECT_TRUE(prompter.History().empty());
    EXPECT_DOUBLE_EQ(context.factor, 1.0);

    window->close();
    EXPECT_EQ(LoadSettings(SettingsFilePath(start.Path()), start.Path()).WindowSize, 1024);
}

TEST_F(MainWinTest, ScreenSizeRelaysTheWindowOutFromItsDesignEachTime) {
    Start();
    auto* puzzleBox = Find<QListWidget>(window.get(), "puzzleListBox");
    const QRect design = puzzleBox->geometry();
    Trigger("screenSize1280Action");
    EXPECT_EQ(window->centralWidget()->size(), QSize(1264, 826));
    EXPECT_EQ(puzzleBox->geometry(),
              QRect(design.x() * 2, design.y() * 2, design.width() * 2, design.height() * 2));
    EXPECT_EQ(Find<QToolButton>(window.get(), "newPuzzleButton")->iconSize(), QSize(48, 48));
    Trigger("screenSize1024Action");
    EXPECT_EQ(context.settings.WindowSize, 1024);
    EXPECT_EQ(window->centralWidget()->size(), QSize(1011, 661));
    Trigger("screenSize640Action");
    EXPECT_EQ(puzzleBox->geometry(), design);
    EXPECT_TRUE(window->findChild<QAction*>(QStringLiteral("screenSize640Action"))->isChecked());
    // Centred, 10 pixels above the middle.
    EXPECT_EQ(window->y(), (1024 - window->height()) / 2 - TMainWin::kTopOffset);
}

TEST_F(MainWinTest, NewModifyCopyAndPrintPrepareTheWorkingRecord) {
    Start();
    Trigger("newPuzzleAction");
    EXPECT_TRUE(window->NewPuzzleMode());
    EXPECT_EQ(editorTitle, "");

    SelectPuzzle(QStringLiteral("Mouse"));
    Trigger("modifyPuzzleAction");
    EXPECT_FALSE(window->NewPuzzleMode());
    EXPECT_EQ(window->RecordNumber(), 3);
    EXPECT_EQ(editorTitle, "Mouse");

    Trigger("copyPuzzleAction");
    EXPECT_TRUE(window->NewPuzzleMode());
    EXPECT_EQ(editorTitle, "Mouse (2)");

    Trigger("printPuzzleAction");
    EXPECT_EQ(opened, L({"editor:Create New Puzzle", "editor:Modify Existing Puzzle",
                         "editor:Create New Puzzle (copy of existing puzzle)", "print:Mouse"}));
}

TEST_F(MainWinTest, PrintRefusesAPuzzleNeverGenerated) {
    Start();
    Find<QListWidget>(window.get(), "categoryListBox")->setCurrentRow(1);
    SelectPuzzle(QStringLiteral("Bread"));
    Trigger("printPuzzleAction");
    EXPECT_EQ(
        prompter.Last().text,
        QStringLiteral("A puzzle has never been generated for this word/clue list. Please select "
                       "\"File|Modify\" from the menu and create the puzzle first"));
    EXPECT_EQ(prompter.Last().caption, QStringLiteral("Warning"));
    EXPECT_TRUE(opened.isEmpty());
    // The record read stays in the working record.
    EXPECT_EQ(window->WorkingRecord().Title(), "Bread");
}

TEST_F(MainWinTest, ADamagedCollectionIsReportedAndTheProgramGoesOn) {
    WriteBytes(start.File("BAD.VL3"), std::string(1000, 'x'));
    Start();
    prompter.NextFile(QString::fromStdString(start.File("BAD.VL3")));
    Trigger("openCollectionAction");
    ASSERT_EQ(prompter.Messages().size(), 1u);
    EXPECT_EQ(prompter.Last().caption, QStringLiteral("Error"));
    EXPECT_FALSE(prompter.Last().text.isEmpty());
    EXPECT_TRUE(Items("puzzleListBox").isEmpty());
    // The next command works.
    prompter.NextFile(QString::fromStdString(start.File("A.VL3")));
    Trigger("openCollectionAction");
    EXPECT_EQ(Items("categoryListBox"), L({"Animals", "Food"}));
}

TEST_F(MainWinTest, OptionMenusKeepTheirSettings) {
    settings.PixelFormat = 2;
    settings.BackgroundBitmap = true;
    Start();
    auto* background = window->findChild<QAction*>(QStringLiteral("backgroundBitmapAction"));
    EXPECT_TRUE(background->isChecked());
    Trigger("backgroundBitmapAction");
    EXPECT_FALSE(context.settings.BackgroundBitmap);
    EXPECT_FALSE(background->isChecked());

    EXPECT_TRUE(window->findChild<QAction*>(QStringLiteral("colors256Action"))->isChecked());
    Trigger("colors16MAction");
    EXPECT_EQ(context.settings.PixelFormat, 1);
    EXPECT_FALSE(window->findChild<QAction*>(QStringLiteral("colors256Action"))->isChecked());
    EXPECT_TRUE(window->findChild<QAction*>(QStringLiteral("colors16MAction"))->isChecked());

    // A font keeps the controls' sizes; face, style and colour reach them.
    auto* label = Find<QWidget>(window.get(), "categoryLabel");
    const double size = label->font().pointSizeF();
    QFont chosen(QStringLiteral("Liberation Serif"), 30);
    chosen.setItalic(true);
    prompter.NextFont(FontChoice{chosen, QColor(0, 0, 128)});
    Trigger("labelFontAction");
    EXPECT_EQ(label->font().family(), QStringLiteral("Liberation Serif"));
    EXPECT_TRUE(label->font().italic());
    EXPECT_DOUBLE_EQ(label->font().pointSizeF(), size);
    window->close();
    const Settings saved = LoadSettings(SettingsFilePath(start.Path()), start.Path());
    EXPECT_EQ(saved.LabelFont.Name, "Liberation Serif");
    EXPECT_TRUE(saved.LabelFont.Italic);
    EXPECT_EQ(saved.LabelFont.Color, 0x800000);
    EXPECT_EQ(saved.PixelFormat, 1);
    EXPECT_FALSE(saved.BackgroundBitmap);
}

TEST_F(MainWinTest, LanguageMenusOfferOnlyWhatIsInstalledAndFallBack) {
    const std::string dir = start.Path() + "/dicts";
    std::filesystem::create_directory(dir);
    for (const char* file :
         {"en_US.aff", "en_US.dic", "sv_SE.aff", "sv_SE.dic", "th_en_US_v2.idx", "th_en_US_v2.dat"})
        WriteBytes(dir + "/" + file, "x");
    options.Languages = LanguageSearch{{dir}, {dir}};
    settings.Dictionary = 5; // French, not installed
    settings.Thesaurus = 2;  // British, not installed
    Start();
    EXPECT_EQ(context.settings.Dictionary, 1);
    EXPECT_EQ(context.settings.Thesaurus, 1);
    EXPECT_TRUE(window->findChild<QAction*>(QStringLiteral("dictionary1Action"))->isChecked());
    EXPECT_TRUE(window->findChild<QAction*>(QStringLiteral("dictionary8Action"))->isEnabled());
    EXPECT_FALSE(window->findChild<QAction*>(QStringLiteral("dictionary5Action"))->isEnabled());
    EXPECT_TRUE(window->findChild<QAction*>(QStringLiteral("dictionary9Action"))->isEnabled());
    EXPECT_FALSE(window->findChild<QAction*>(QStringLiteral("thesaurus2Action"))->isEnabled());
    EXPECT_EQ(window->UserDictionaries().Exclusion, "ExcEngl.tlx");
    EXPECT_EQ(window->UserDictionaries().Inclusion, "IncEngl.tlx");

    Trigger("dictionary8Action");
    EXPECT_EQ(context.settings.Dictionary, 8);
    EXPECT_FALSE(window->findChild<QAction*>(QStringLiteral("dictionary1Action"))->isChecked());
    // The user dictionary names stay those of the start.
    EXPECT_EQ(window->UserDictionaries().Inclusion, "IncEngl.tlx");
}

TEST_F(MainWinTest, ShapeAndLayoutCommandsOpenTheirLists) {
    Start();
    Trigger("puzzleShapeAction");
    Find<QToolButton>(window.get(), "puzzleShapeButton")->click();
    Trigger("pageLayoutAction");
    Find<QToolButton>(window.get(), "pageLayoutButton")->click();
    EXPECT_EQ(opened, L({"shapes", "shapes", "layouts", "layouts"}));
}

TEST_F(MainWinTest, TipOfTheDayOpensOnFirstActivationWhenTipsAreOn) {
    settings.ShowTips = true;
    bool shown = false;
    vorlane::testing::OnNextModalOf<TTipOfDay>([&](TTipOfDay* tip) {
        shown = true;
        tip->close();
    });
    Start();
    window->activateWindow();
    for (int i = 0; i < 200 && !shown; ++i)
        QTest::qWait(10);
    EXPECT_TRUE(shown);
}

// Transfers through the main window.

TEST_F(MainWinTest, ImportAppendsTheChosenPuzzlesAlphabetically) {
    WriteCollection(start.File("OTHER.VL3"),
                    {MakeRecord("Birds", "C"), MakeRecord("Birds", "A"), MakeRecord("Birds", "B")});
    Start();
    prompter.NextFile(QString::fromStdString(start.File("OTHER.VL3")));
    vorlane::testing::OnNextModalOf<TImportPuzzles>([](TImportPuzzles* dialog) {
        vorlane::testing::Click(dialog, "selectAllButton");
        vorlane::testing::Click(dialog, "okButton");
    });
    Trigger("importPuzzlesAction");
    EXPECT_EQ(Titles(start.File("A.VL3")),
              (std::vector<std::string>{"Zebra", "Cat", "Bread", "Mouse", "A", "B", "C"}));
    EXPECT_EQ(context.settings.LastImportPuzzleFile, start.File("OTHER.VL3"));
    // The place the user was at is kept.
    EXPECT_EQ(Current("categoryListBox"), QStringLiteral("Animals"));
    EXPECT_EQ(Current("puzzleListBox"), QStringLiteral("Cat"));
    EXPECT_EQ(Items("categoryListBox"), L({"Animals", "Birds", "Food"}));
}

TEST_F(MainWinTest, ImportRefusesOtherFilesAndTheCurrentFileUnderAnySpelling) {
    WriteBytes(start.File("PUZZLE.TXT"), "x");
    std::filesystem::create_directory(start.Path() + "/sub");
    Start();
    struct Case {
        std::string path;
        const char* message;
    } cases[] = {
        {start.File("PUZZLE.TXT"), "The file selected is not a valid Vorlane file."},
        {start.File("A.VL3"), "Import File cannot be the same as the currently open file."},
        {start.Path() + "/sub/../A.VL3",
         "Import File cannot be the same as the currently open file."},
    };
    for (const Case& c : cases) {
        prompter.Clear();
        prompter.NextFile(QString::fromStdString(c.path));
        Trigger("importPuzzlesAction");
        EXPECT_EQ(prompter.Last().text, QString::fromLatin1(c.message)) << c.path;
        EXPECT_EQ(prompter.Last().caption, QStringLiteral("Error"));
    }
    EXPECT_EQ(Titles(start.File("A.VL3")).size(), 4u);
}

namespace {

std::string VlkFile(const std::string& title, int words, std::size_t recordBytes) {
    OldPuzzleRecord old;
    old.Data()[0] = static_cast<unsigned char>(title.size());
    std::memcpy(old.Data() + 1, title.data(), title.size());
    old.Data()[OldPuzzleRecord::kGridSizeOffset] = 15;
    old.Data()[OldPuzzleRecord::kWordCountOffset] = static_cast<unsigned char>(words);
    std::string bytes = "VLK";
    bytes += '\x02';
    bytes += "hi";
    bytes.append(reinterpret_cast<const char*>(old.Data()), recordBytes);
    return bytes;
}

} // namespace

TEST_F(MainWinTest, ImportsA16BitFileAndRefusesACorruptOne) {
    WriteBytes(start.File("SHORT.VLK"), VlkFile("Old", 12, OldPuzzleRecord::kSize - 1));
    WriteBytes(start.File("GOOD.vlk"), VlkFile("Old Times", 12, OldPuzzleRecord::kSize) + "tail");
    Start();
    prompter.NextFile(QString::fromStdString(start.File("SHORT.VLK")));
    Trigger("importPuzzlesAction");
    EXPECT_EQ(prompter.Last().text,
              QStringLiteral("Puzzle file is corrupt or incompatible.  Import aborted."));
    EXPECT_EQ(prompter.Last().caption, QStringLiteral("Error"));
    EXPECT_EQ(Titles(start.File("A.VL3")).size(), 4u);

    prompter.Clear();
    prompter.NextFile(QString::fromStdString(start.File("GOOD.vlk")));
    Trigger("importPuzzlesAction");
    EXPECT_TRUE(prompter.Messages().empty());
    EXPECT_EQ(Titles(start.File("A.VL3")).back(), "Old Times");
    EXPECT_EQ(Current("categoryListBox"), QStringLiteral("Version 2.0 Puzzles"));
    EXPECT_EQ(Current("puzzleListBox"), QStringLiteral("Old Times"));
}

TEST_F(MainWinTest, AFailedSaveOfA16BitImportKeepsTheProgramRunning) {
    WriteBytes(start.File("GOOD.VLK"), VlkFile("Old", 3, OldPuzzleRecord::kSize));
    settings.LastGroup = start.Path() + "/missing-folder/NEW.VL3";
    Start();
    prompter.NextFile(QString::fromStdString(start.File("GOOD.VLK")));
    Trigger("importPuzzlesAction");
    EXPECT_EQ(prompter.Last().text, QStringLiteral("Unable to save puzzle."));
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MainWinTest, StartUpOffersToConvertThePreviousVersionsFiles) {
    OldPuzzleRecord old;
    old.Data()[0] = 3;
    std::memcpy(old.Data() + 1, "Old", 3);
    old.Data()[OldPuzzleRecord::kGridSizeOffset] = 10;
    WriteBytes(start.File("VLFUPUZZ.DAT"),
               std::string(reinterpret_cast<const char*>(old.Data()), OldPuzzleRecord::kSize));
    WriteBytes(start.File("VLFULAY.DAT"), std::string(2555, '\0'));
    prompter.AnswerYes();
    prompter.AnswerNo();
    Start();
    const auto messages = prompter.Messages();
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0].text,
              QStringLiteral("User generated puzzles from a previous version of Vorlane have been "
                             "detected.  Would you like to convert them to a puzzle group?"));
    EXPECT_EQ(messages[0].caption, QStringLiteral("Notice"));
    EXPECT_EQ(messages[1].text,
              QStringLiteral("A new puzzle group named \"OLDPUZZ.VL3\" has been created."));
    EXPECT_EQ(messages[1].caption, QStringLiteral("Ok"));
    EXPECT_EQ(messages[2].caption, QStringLiteral("Notice"));
    EXPECT_EQ(Titles(context.ProgramFile("OLDPUZZ.VL3")), (std::vector<std::string>{"Old"}));
    EXPECT_FALSE(std::filesystem::exists(start.File("VLFUPUZZ.DAT")));
    // Shapes refused: the old file stays for the next start. The current collection stays.
    EXPECT_TRUE(std::filesystem::exists(start.File("VLFULAY.DAT")));
    EXPECT_EQ(window->CurrentPath(), start.File("A.VL3"));
}

TEST_F(MainWinTest, EveryMenuItemRespondsAndTheProgramGoesOn) {
    Start();
    // Whatever modal window an item opens is closed again at once.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    closer.start(5);
    int triggered = 0;
    for (QAction* action : window->findChildren<QAction*>()) {
        if (action->isSeparator() || action->menu() || !action->isVisible() ||
            action->objectName().isEmpty() || action->objectName() == QStringLiteral("exitAction"))
            continue;
        prompter.Clear();
        if (action->isEnabled())
            action->trigger();
        ++triggered;
    }
    closer.stop();
    EXPECT_GT(triggered, 30);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(Items("categoryListBox"), L({"Animals", "Food"}));
    if (QWidget* help = QApplication::activeWindow(); help && help != window.get())
        help->close();
}

TEST_F(MainWinTest, ACollectionNamedAtStartIsOpenedWithItsFirstPuzzleSelected) {
    WriteCollection(start.File("B.VL3"), {Generated("Sport", "Golf"), Generated("Sport", "Chess")});
    WriteBytes(start.File("NOTES.TXT"), "x");
    Start();
    window->OpenCollection(start.File("B.VL3"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Vorlane 98 (B)"));
    EXPECT_EQ(Current("puzzleListBox"), QStringLiteral("Chess"));
    EXPECT_TRUE(PuzzleCommandsEnabled(true));
    EXPECT_EQ(context.settings.LastFile[0], start.File("A.VL3"));

    window->OpenCollection(start.File("NOTES.TXT"));
    EXPECT_EQ(prompter.Last().text,
              QStringLiteral("The file selected is not a valid Word Search file."));
    EXPECT_EQ(window->CurrentPath(), start.File("B.VL3"));
}

TEST_F(MainWinTest, AFirstStartWithoutCollectionsShowsTheShippedSample) {
    WriteCollection(context.ProgramFile("SAMPLE.VL3"), {Generated("Samples", "First")});
    std::filesystem::remove(start.File("A.VL3"));
    window = std::make_unique<TMainWin>(context, options); // no settings file yet
    window->show();
    EXPECT_EQ(window->CurrentPath(), context.ProgramFile("SAMPLE.VL3"));
    EXPECT_EQ(Items("puzzleListBox"), L({"First"}));

    // Once settings exist, the current collection is what they say, even when missing.
    window->close();
    window = std::make_unique<TMainWin>(context, options);
    EXPECT_EQ(window->CurrentPath(), context.ProgramFile("SAMPLE.VL3"));
    settings.LastGroup = start.File("GONE.VL3");
    window.reset();
    Start();
    EXPECT_EQ(window->CurrentPath(), start.File("GONE.VL3"));
}

TEST_F(MainWinTest, ListsFollowAChangedTitleAfterReloading) {
    Start();
    // A window replaced Mouse by Moose and asks for its place to be shown.
    PuzzleRecord changed = Generated("Animals", "Moose");
    ASSERT_EQ(CollectionFile(start.File("A.VL3")).Replace(3, changed), SaveResult::Saved);
    window->SetPendingSelection("Animals", "Moose");
    window->LoadInPuzzles();
    EXPECT_EQ(Items("puzzleListBox"), L({"Cat", "Moose", "Zebra"}));
    EXPECT_EQ(Current("puzzleListBox"), QStringLiteral("Moose"));
}
