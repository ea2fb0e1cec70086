#include "ui/main/import_puzzles.h"

#include "core/puzzle_transfer.h"
#include "core/sorted_list.h"
#include "ui/common/app_context.h"
#include "ui/common/command_guard.h"
#include "ui/common/ui_text.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace vorlane {

namespace {

constexpr int kRecordRole = Qt::UserRole;

QPushButton* MakeButton(QWidget* window, const char* text, const char* name, QRect geometry) {
    auto* button = new QPushButton(QString::fromLatin1(text), window);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    return button;
}

} // namespace

PuzzlePicker::PuzzlePicker(VorlaneDialog* window, Prompter& prompter, QRect listGeometry,
                           QPushButton* action, Message noneSelected, Action run)
    : m_prompter(prompter), m_list(new QListWidget(window)), m_action(action) {
    m_list->setObjectName(QStringLiteral("puzzleListBox"));
    m_list->setGeometry(listGeometry);
    m_list->setSelectionMode(QAbstractItemView::MultiSelection);
    m_action->setEnabled(false);

    const int left = listGeometry.right() + 13;
    QPushButton* selectAll = MakeButton(window, "&Select All", "selectAllButton",
                                        QRect(left, listGeometry.top(), 84, 25));
    QPushButton* clearAll = MakeButton(window, "C&lear All", "clearAllButton",
                                       QRect(left, listGeometry.top() + 32, 84, 25));

    QObject::connect(m_list, &QListWidget::itemSelectionChanged, window,
                     [this] { m_action->setEnabled(!m_list->selectedItems().isEmpty()); });
    // As in the classic window, Select All enables the action even for an empty list; the
    // action then says that nothing was selected.
    QObject::connect(selectAll, &QPushButton::clicked, window, [this] {
        m_list->selectAll();
        m_action->setEnabled(true);
    });
    QObject::connect(clearAll, &QPushButton::clicked, window, [this] {
        m_list->clearSelection();
        m_action->setEnabled(false);
    });
    QObject::connect(m_action, &QPushButton::clicked, window,
                     [this, noneSelected = std::move(noneSelected), run = std::move(run)] {
                         RunCommand(m_prompter, [&] {
                             const std::vector<int> records = SelectedRecords();
                             if (records.empty())
                                 ShowMessage(m_prompter, noneSelected);
                             else
                                 run(records);
                         });
                     });
}

void PuzzlePicker::Fill(const std::string& path) {
    m_list->clear();
    std::vector<SortedList::Item> items;
    if (!RunCommand(m_prompter, [&] {
            for (TransferEntry& entry : TransferList(path))
                items.push_back({std::move(entry.Title), entry.Record});
        }))
        return;
    // The program's own order (letters without regard to case or accent), not Qt's.
    SortedList sorted;
    sorted.Assign(std::move(items));
    for (const SortedList::Item& item : sorted.Items()) {
        auto* row = new QListWidgetItem(FromCp1252(item.Text), m_list);
        row->setData(kRecordRole, static_cast<int>(item.Value));
    }
}

std::vector<int> PuzzlePicker::SelectedRecords() const {
    std::vector<int> records;
    for (int i = 0; i < m_list->count(); ++i) {
        const QListWidgetItem* row = m_list->item(i);
        if (row->isSelected())
            records.push_back(row->data(kRecordRole).toInt());
    }
    return records;
}

TImportPuzzles::TImportPuzzles(AppContext& context, std::string importPath, std::string currentPath,
                               QWidget* parent)
    : VorlaneDialog(context, 360, 330, parent), m_importPath(std::move(importPath)),
      m_currentPath(std::move(currentPath)),
      m_ok(MakeButton(this, "&Ok", "okButton", QRect(264, 261, 84, 25))),
      m_picker(this, *context.prompter, QRect(12, 54, 240, 264), m_ok,
               transfer_messages::NoneSelectedForImport(),
               [this](const std::vector<int>& records) { OkClick(records); }) {
    setWindowTitle(QStringLiteral("Import Word Search Puzzles"));

    auto* heading = new QLabel(QStringLiteral("Puzzles in File"), this);
    heading->setObjectName(QStringLiteral("headingLabel"));
    heading->setGeometry(12, 10, 336, 16);

    const QString fileName = FromPath(m_importPath);
    auto* file = new QLabel(QStringLiteral("File Name: ") + fileName, this);
    file->setObjectName(QStringLiteral("fileNameLabel"));
    file->setGeometry(12, 30, 336, 16);
    file->setToolTip(fileName);

    QPushButton* cancel = MakeButton(this, "&Cancel", "cancelButton", QRect(264, 293, 84, 25));
    m_ok->setDefault(true);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TImportPuzzles::FormShow() {
    m_picker.Fill(m_importPath);
}

void TImportPuzzles::OkClick(const std::vector<int>& records) {
    switch (ImportPuzzles(m_importPath, m_currentPath, records)) {
    case TransferOutcome::Done:
        accept();
        return;
    case TransferOutcome::Full:
        // The window stays, so that fewer puzzles can be chosen.
        ShowMessage(Prompts(), transfer_messages::CollectionFull());
        return;
    case TransferOutcome::CannotOpenSource:
    case TransferOutcome::CannotOpenTarget:
        ShowMessage(Prompts(), transfer_messages::CannotImport());
        reject();
        return;
    }
}

} // namespace vorlane
