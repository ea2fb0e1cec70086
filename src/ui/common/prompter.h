#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <optional>

namespace vorlane {

// What a file dialog is asked for. The filter is given in the program's own form,
// "Description (*.EXT)|*.EXT|Other (*.X)|*.X"; the extension patterns match in any case.
struct FileDialogRequest {
    QString Title;
    QString Filter;
    QString DefaultExtension; // without the dot; added to a typed name that has none
    QString InitialPath;      // a file or a folder; empty for the start directory
    bool ConfirmOverwrite = false;
};

// A font as the font dialog gives it back: face, style and size, and its colour.
struct FontChoice {
    QFont Font;
    QColor Color;
};

// Every message box, question and system dialog the program shows goes through this, so
// that tests can see the exact texts and give the answers.
class Prompter {
public:
    virtual ~Prompter() = default;

    // A message box with one OK button.
    virtual void Inform(const QString& text, const QString& caption) = 0;
    // A message box with Yes and No; true for Yes.
    virtual bool AskYesNo(const QString& text, const QString& caption) = 0;
    // An open dialog for an existing file; nothing when cancelled.
    virtual std::optional<QString> OpenFile(const FileDialogRequest& request) = 0;
    // A save dialog; nothing when cancelled.
    virtual std::optional<QString> SaveFile(const FileDialogRequest& request) = 0;
    // The font dialog preset with a font and its colour; nothing when cancelled.
    virtual std::optional<FontChoice> ChooseFont(const QString& title,
                                                 const FontChoice& initial) = 0;
    // The colour dialog; nothing when cancelled.
    virtual std::optional<QColor> ChooseColor(const QString& title, const QColor& initial) = 0;
    // The printer set-up dialog; true when the user confirmed it.
    virtual bool PrinterSetup() = 0;
    // Asks the desktop to open a document with its default application; false when it
    // could not.
    virtual bool OpenDocument(const QString& path) = 0;
};

} // namespace vorlane
