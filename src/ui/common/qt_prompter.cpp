#include "ui/common/qt_prompter.h"

#include "ui/common/program_printer.h"
#include "ui/common/window_helpers.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QFontInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace vorlane {

namespace {

QWidget* Owner() {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

// The font dialog of the program: Qt's font chooser with a colour button, since the
// program's fonts carry a colour.
class FontAndColourDialog : public QDialog {
public:
    FontAndColourDialog(const QString& title, const FontChoice& initial, QWidget* parent)
        : QDialog(parent), m_colour(initial.Color.isValid() ? initial.Color : QColor(Qt::black)) {
        setWindowTitle(title);
        setObjectName(QStringLiteral("fontDialog"));
        auto* layout = new QVBoxLayout(this);
        // The dialog shows the face the name resolves to (Arial to Liberation Sans), at the
        // size the controls use.
        QFont shown = initial.Font;
        shown.setFamily(QFontInfo(initial.Font).family());
        shown.setPointSizeF(kDesignFontPointSize);
        m_chooser = new QFontDialog(shown, this);
        m_chooser->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
        m_chooser->setWindowFlags(Qt::Widget);
        // Return and Esc inside the chooser end the whole dialog.
        connect(m_chooser, &QDialog::accepted, this, &QDialog::accept);
        connect(m_chooser, &QDialog::rejected, this, &QDialog::reject);
        layout->addWidget(m_chooser);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
        m_colourButton = buttons->addButton(tr("&Colour..."), QDialogButtonBox::ResetRole);
        m_colourButton->setObjectName(QStringLiteral("colourButton"));
        ShowColour();
        connect(m_colourButton, &QPushButton::clicked, this, [this] {
            const QColor c = QColorDialog::getColor(m_colour, this, tr("Colour"));
            if (c.isValid()) {
                m_colour = c;
                ShowColour();
            }
        });
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        layout->addWidget(buttons);
    }

    FontChoice Choice() const { return {m_chooser->currentFont(), m_colour}; }

private:
    void ShowColour() {
        QPixmap swatch(16, 16);
        swatch.fill(m_colour);
        m_colourButton->setIcon(QIcon(swatch));
    }
    QFontDialog* m_chooser = nullptr;
    QPushButton* m_colourButton = nullptr;
    QColor m_colour;
};

} // namespace

QStringList QtNameFilters(const QString& filter) {
    QStringList result;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i];
        QStringList patterns;
        for (const QString& pattern : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            patterns << pattern.toUpper();
            if (pattern.toLower() != pattern.toUpper())
                patterns << pattern.toLower();
        }
        // The description already names the pattern; Qt reads the patterns from the
        // brackets, so they go there in both cases.
        QString text = description;
        const qsizetype open = text.lastIndexOf(QLatin1Char('('));
        if (open >= 0)
            text = text.left(open).trimmed();
        result << text + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return result;
}

void QtPrompter::Inform(const QString& text, const QString& caption) {
    QMessageBox box(Owner());
    box.setWindowTitle(caption);
    box.setText(text);
    const QString c = caption.toLower();
    box.setIcon(c == QStringLiteral("error")     ? QMessageBox::Critical
                : c == QStringLiteral("warning") ? QMessageBox::Warning
                                                 : QMessageBox::Information);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

bool QtPrompter::AskYesNo(const QString& text, const QString& caption) {
    QMessageBox box(Owner());
    box.setWindowTitle(caption);
    box.setText(text);
    box.setIcon(QMessageBox::Question);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> QtPrompter::RunFileDialog(const FileDialogRequest& request, bool save) {
    QFileDialog dialog(Owner(), request.Title);
    dialog.setNameFilters(QtNameFilters(request.Filter));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.DefaultExtension);
    if (save && !request.ConfirmOverwrite)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const QFileInfo initial(request.InitialPath);
    if (!request.InitialPath.isEmpty() && initial.isDir()) {
        dialog.setDirectory(initial.absoluteFilePath());
    } else if (!request.InitialPath.isEmpty() && initial.absoluteDir().exists()) {
        dialog.setDirectory(initial.absolutePath());
        dialog.selectFile(initial.fileName());
    } else if (!m_defaultFolder.isEmpty()) {
        dialog.setDirectory(m_defaultFolder);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front();
}

std::optional<QString> QtPrompter::OpenFile(const FileDialogRequest& request) {
    return RunFileDialog(request, false);
}

std::optional<QString> QtPrompter::SaveFile(const FileDialogRequest& request) {
    return RunFileDialog(request, true);
}

std::optional<FontChoice> QtPrompter::ChooseFont(const QString& title, const FontChoice& initial) {
    FontAndColourDialog dialog(title, initial, Owner());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Choice();
}

std::optional<QColor> QtPrompter::ChooseColor(const QString& title, const QColor& initial) {
    const QColor c = QColorDialog::getColor(initial, Owner(), title);
    if (!c.isValid())
        return std::nullopt;
    return c;
}

bool QtPrompter::PrinterSetup() {
    QPrintDialog dialog(&ProgramPrinter(), Owner());
    dialog.setWindowTitle(QStringLiteral("Printer Setup"));
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    // Setting up prints nothing: the confirming button says so.
    for (QDialogButtonBox* box : dialog.findChildren<QDialogButtonBox*>())
        if (QPushButton* ok = box->button(QDialogButtonBox::Ok))
            ok->setText(QStringLiteral("OK"));
    return dialog.exec() == QDialog::Accepted;
}

bool QtPrompter::OpenDocument(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace vorlane
