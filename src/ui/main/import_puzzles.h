#pragma once

#include "core/message.h"
#include "ui/common/vorlane_dialog.h"

#include <QRect>

#include <functional>
#include <string>
#include <vector>

class QListWidget;
class QPushButton;

namespace vorlane {

// What the import and export windows share: the sorted multiple-selection list of a
// collection's puzzles, its "Select All" and "Clear All" buttons, and an action button that
// follows whether anything is selected.
class PuzzlePicker {
public:
    // The chosen record numbers, in list order; never empty.
    using Action = std::function<void(const std::vector<int>& records)>;

    // Builds the list at listGeometry and the two buttons to the right of its top. A click
    // on action runs it under the general error handler with the selected records, or shows
    // noneSelected when there are none.
    PuzzlePicker(VorlaneDialog* window, Prompter& prompter, QRect listGeometry, QPushButton* action,
                 Message noneSelected, Action run);

    // Lists the puzzles of the collection, sorted by title without regard to case. A file
    // that cannot be opened lists nothing; a damaged one is reported and lists nothing.
    void Fill(const std::string& path);

private:
    std::vector<int> SelectedRecords() const;

    Prompter& m_prompter;
    QListWidget* m_list;
    QPushButton* m_action;
};

// Chooses puzzles of another collection to append to the current one. exec() returns
// Accepted only when puzzles were appended.
class TImportPuzzles : public VorlaneDialog {
    Q_OBJECT
public:
    TImportPuzzles(AppContext& context, std::string importPath, std::string currentPath,
                   QWidget* parent = nullptr);

protected:
    void FormShow() override;

private:
    void OkClick(const std::vector<int>& records);

    std::string m_importPath;
    std::string m_currentPath;
    QPushButton* m_ok;
    PuzzlePicker m_picker;
};

} // namespace vorlane
