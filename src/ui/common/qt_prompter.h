#pragma once

#include "ui/common/prompter.h"

#include <QString>

class QWidget;

namespace vorlane {

// The program's Prompter: Qt message boxes and dialogs over the active window.
class QtPrompter : public Prompter {
public:
    explicit QtPrompter(QString defaultFolder = {}) : m_defaultFolder(std::move(defaultFolder)) {}

    void Inform(const QString& text, const QString& caption) override;
    bool AskYesNo(const QString& text, const QString& caption) override;
    std::optional<QString> OpenFile(const FileDialogRequest& request) override;
    std::optional<QString> SaveFile(const FileDialogRequest& request) override;
    std::optional<FontChoice> ChooseFont(const QString& title, const FontChoice& initial) override;
    std::optional<QColor> ChooseColor(const QString& title, const QColor& initial) override;
    bool PrinterSetup() override;
    bool OpenDocument(const QString& path) override;

    void SetDefaultFolder(const QString& folder) { m_defaultFolder = folder; }

private:
    std::optional<QString> RunFileDialog(const FileDialogRequest& request, bool save);
    QString m_defaultFolder;
};

// A Windows-style filter "Text (*.A)|*.A|..." as a Qt name filter list; every pattern
// matches its extension in upper and lower case.
QStringList QtNameFilters(const QString& filter);

} // namespace vorlane
