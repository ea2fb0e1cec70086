#pragma once

#include "ui/common/vorlane_dialog.h"
#include "ui/main/import_puzzles.h"

#include <string>
#include <vector>

class QPushButton;

namespace vorlane {

// Chooses puzzles of the current collection and writes them into a new collection file.
// exec() returns Accepted only when the file was written.
class TExportPuzzles : public VorlaneDialog {
    Q_OBJECT
public:
    TExportPuzzles(AppContext& context, std::string currentPath, QWidget* parent = nullptr);

protected:
    void FormShow() override;

private:
    void SaveFileClick(const std::vector<int>& records);

    std::string m_currentPath;
    QPushButton* m_saveFile;
    PuzzlePicker m_picker;
};

} // namespace vorlane
