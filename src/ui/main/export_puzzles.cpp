#include "ui/main/export_puzzles.h"

#include "core/puzzle_transfer.h"
#include "ui/common/app_context.h"
#include "ui/common/prompter.h"
#include "ui/common/ui_text.h"

#include <QLabel>
#include <QPushButton>

namespace vorlane {

TExportPuzzles::TExportPuzzles(AppContext& context, std::string currentPath, QWidget* parent)
    : VorlaneDialog(context, 360, 330, parent), m_currentPath(std::move(currentPath)),
      m_saveFile(new QPushButton(QStringLiteral("Save &File"), this)),
      m_picker(this, *context.prompter, QRect(12, 34, 240, 284), m_saveFile,
               transfer_messages::NoneSelectedForExport(),
               [this](const std::vector<int>& records) { SaveFileClick(records); }) {
    setWindowTitle(QStringLiteral("Export Word Search Puzzles"));

    auto* heading = new QLabel(QStringLiteral("Puzzles Available For Export"), this);
    heading->setObjectName(QStringLiteral("headingLabel"));
    heading->setGeometry(12, 10, 336, 16);

    m_saveFile->setObjectName(QStringLiteral("saveFileButton"));
    m_saveFile->setGeometry(264, 261, 84, 25);
    m_saveFile->setDefault(true);
    auto* exit = new QPushButton(QStringLiteral("&Exit"), this);
    exit->setObjectName(QStringLiteral("exitButton"));
    exit->setGeometry(264, 293, 84, 25);

    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
}

void TExportPuzzles::FormShow() {
    m_picker.Fill(m_currentPath);
}

void TExportPuzzles::SaveFileClick(const std::vector<int>& records) {
    Settings& settings = Context().settings;
    const std::optional<QString> chosen = Prompts().SaveFile(FileDialogRequest{
        QStringLiteral("Save Word Search Puzzles"), QStringLiteral("VRLAN Files (*.VL3)|*.VL3"),
        QStringLiteral("VL3"), FromPath(settings.LastExportPuzzleFile), true});
    if (!chosen) {
        reject();
        return;
    }
    const std::string target = ToPath(*chosen);
    settings.LastExportPuzzleFile = target;
    // Writing the current collection over itself would lose every puzzle not chosen.
    if (SameFile(target, m_currentPath)) {
        ShowMessage(Prompts(), transfer_messages::SameAsCurrentFile());
        return;
    }
    switch (ExportPuzzles(m_currentPath, target, records)) {
    case TransferOutcome::Done:
        accept();
        return;
    case TransferOutcome::Full:
        ShowMessage(Prompts(), transfer_messages::CollectionFull());
        return;
    case TransferOutcome::CannotOpenSource:
    case TransferOutcome::CannotOpenTarget:
        // The window stays, so that another place can be chosen.
        ShowMessage(Prompts(), transfer_messages::CannotExport());
        return;
    }
}

} // namespace vorlane
