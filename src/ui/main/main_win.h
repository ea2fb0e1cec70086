#pragma once

#include "core/puzzle_lists.h"
#include "core/puzzle_record.h"
#include "core/settings.h"
#include "generate/candidate_slots.h"
#include "language/languages.h"
#include "layouts/page_layout_record.h"
#include "shapes/shape_record.h"
#include "ui/common/window_helpers.h"
#include "ui/main/later_windows.h"

#include <QMainWindow>

#include <array>
#include <memory>
#include <optional>
#include <span>
#include <string>

class QAction;
class QActionGroup;
class QListWidget;
class QToolButton;

namespace vorlane {

struct AppContext;
class Prompter;

// What a test or the program may choose about the main window beyond the context.
struct MainWinOptions {
    LaterWindows Windows = ProgramWindows();
    // Where the spelling and thesaurus data is looked for; the system's folders when unset.
    std::optional<LanguageSearch> Languages;
};

// The program's one top-level window: the current collection as its category and title
// lists, the working record, and every command of the program.
class TMainWin : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kDesignWidth = 632;
    static constexpr int kDesignHeight = 413;
    static constexpr int kTopOffset = 10;

    // Runs the start-up: settings, language files, the current collection, the scale, the
    // conversion of old files.
    explicit TMainWin(AppContext& context, MainWinOptions options = {}, QWidget* parent = nullptr);
    ~TMainWin() override;

    AppContext& Context() { return m_context; }

    // The state other windows work with.
    PuzzleRecord& WorkingRecord() { return *m_working; }
    bool NewPuzzleMode() const { return m_newPuzzleMode; }
    int RecordNumber() const { return m_recordNumber; }
    ShapeRecord& CurrentShape() { return *m_shape; }
    CandidateSlots& Candidates() { return *m_candidates; }
    PuzzleLists& Lists() { return m_lists; }
    std::string CurrentPath() const;
    QString DisplayName() const;
    const UserDictionaryFiles& UserDictionaries() const { return m_userDictionaries; }
    // The category names of the category list, as the editor offers them.
    std::vector<std::string> CategoryNames() const;

    // After a window changed the collection: the place to show, then the lists rebuilt.
    void SetPendingSelection(const std::string& category, const std::string& title);
    void LoadInPuzzles();

    // Commands.
    void NewGroup();
    void OpenGroup();
    void OpenSaveFile(int entry); // 1..5
    void MakeNewPuzzle();
    void ModifyPuzzle();
    void CopyPuzzle();
    void DeletePuzzle();
    void PrintPuzzle();
    void ImportPuzzle();
    void ExportPuzzle();
    void DoPuzzleShape();
    void DoPageLayout();
    void ShowHelp(const QString& keyword = {});
    void ScreenSize(int size);
    void ToggleBackground();
    void ChooseProgramFont(int which); // 0 label, 1 edit, 2 button
    void CheckForOldVersions();
    // Opens a collection named on the command line, as Open does, with its first puzzle
    // selected.
    void OpenCollection(const std::string& path);

    // Helpers named as the other windows know them.
    void DoLastFiles(const std::string& previous, const std::string& chosen);
    void SetMenuLastFiles();
    void EnableDisable();
    void DoCaption();
    void ReLayout();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void BuildClientArea();
    void BuildMenus();
    QAction* AddAction(QMenu* menu, const QString& text, const char* name,
                       const QKeySequence& shortcut, void (TMainWin::*command)());
    // An item of a menu of exclusive choices kept in one setting, and the check marks of
    // such a menu.
    void AddChoice(QMenu* menu, const QString& text, const QString& name, int value,
                   std::int32_t Settings::*setting, std::span<QAction*> group);
    static void CheckChoice(std::span<QAction*> group, int value);
    void Guard(const std::function<void()>& command);
    int SelectionCheck();
    // Modify and Copy: the selection check, the mode and the record number, and the record
    // read into the working record. False when the command stops.
    bool ReadSelectedForEditing(bool newPuzzleMode);
    // Open's work once a file is chosen: the extension check, the file made current and
    // listed, the recent files. False when the file is refused.
    bool OpenChosen(const std::string& path);
    void ShowLists();
    void ShowPuzzleBox();
    void SetCurrentPath(const std::string& path);
    void SetLanguageMenus();
    void CheckScreenItem(int size);
    void PaintBackground(QPainter& painter, const QRect& area);
    PageLayoutRecord DefaultPageLayout() const;
    void ShowTipOfTheDay();

    AppContext& m_context;
    MainWinOptions m_options;
    PuzzleLists m_lists;
    std::unique_ptr<PuzzleRecord> m_working;
    std::unique_ptr<ShapeRecord> m_shape;
    std::unique_ptr<CandidateSlots> m_candidates;
    bool m_newPuzzleMode = false;
    int m_recordNumber = -1;
    UserDictionaryFiles m_userDictionaries;
    DesignGeometry m_layout;
    bool m_tipShown = false;
    int m_checkedScreen = 640;

    QWidget* m_client = nullptr;
    QListWidget* m_categoryBox = nullptr;
    QListWidget* m_puzzleBox = nullptr;
    std::array<QToolButton*, 4> m_puzzleButtons{}; // modify, copy, delete, print
    std::array<QAction*, 4> m_puzzleActions{};
    QAction* m_lastFilesSeparator = nullptr;
    std::array<QAction*, 5> m_lastFileActions{};
    std::array<QAction*, 4> m_screenActions{};
    QAction* m_backgroundAction = nullptr;
    // The items of the menus of exclusive choices, by the value of their setting.
    std::array<QAction*, 3> m_colourActions{};
    std::array<QAction*, 10> m_dictionaryActions{}; // by setting 0..9; 0 unused
    std::array<QAction*, 4> m_thesaurusActions{};   // by setting 0..3; 0 unused
};

} // namespace vorlane
