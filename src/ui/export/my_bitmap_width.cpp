#include "ui/export/my_bitmap_width.h"

#include "core/text.h"
#include "ui/common/app_context.h"
#include "ui/common/prompter.h"
#include "ui/common/ui_text.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vorlane {

TMyBitmapWidth::TMyBitmapWidth(AppContext& context, QWidget* parent)
    : VorlaneDialog(context, 197, 60, parent) {
    m_widthLabel = new QLabel(this);
    m_widthLabel->setObjectName(QStringLiteral("widthLabel"));
    m_widthLabel->setGeometry(6, 7, 110, 21);
    m_widthLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    m_widthEdit = new QLineEdit(this);
    m_widthEdit->setObjectName(QStringLiteral("widthEdit"));
    m_widthEdit->setGeometry(122, 7, 48, 21);
    m_widthEdit->setMaxLength(4);
    m_widthLabel->setBuddy(m_widthEdit);

    m_okButton = new QPushButton(this);
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_okButton->setGeometry(6, 34, 104, 23);
    m_okButton->setDefault(true);
    connect(m_okButton, &QPushButton::clicked, this, &TMyBitmapWidth::OkButtonClick);

    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setGeometry(116, 34, 75, 23);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    ShowModeTexts();
}

void TMyBitmapWidth::SetMode(int mode) {
    m_mode = mode;
    ShowModeTexts();
}

void TMyBitmapWidth::SetWidthText(const QString& text) {
    m_widthEdit->setText(text);
}

void TMyBitmapWidth::ShowModeTexts() {
    if (m_mode == kJPegMode) {
        setWindowTitle(QStringLiteral("JPeg"));
        m_widthLabel->setText(QStringLiteral("Width of JPeg"));
        m_okButton->setText(QStringLiteral("Create &JPeg"));
    } else {
        setWindowTitle(QStringLiteral("Bitmap"));
        m_widthLabel->setText(QStringLiteral("Width of Bitmap"));
        m_okButton->setText(QStringLiteral("Create &Bitmap"));
    }
}

void TMyBitmapWidth::FormShow() {
    ShowModeTexts();
    m_confirmed = false;
    m_widthEdit->setFocus();
    m_widthEdit->selectAll();
}

void TMyBitmapWidth::OkButtonClick() {
    const int width = ReadWholeNumber(Trim(ToCp1252(m_widthEdit->text())));
    if (width < 1) {
        Prompts().Inform(QStringLiteral("Invalid width specified.  Please correct."),
                         QStringLiteral("Error"));
        m_widthEdit->setFocus();
        m_widthEdit->selectAll();
        return;
    }
    m_width = width;
    m_confirmed = true;
    accept();
}

bool AskPictureWidth(AppContext& context, int mode, QWidget* parent) {
    TMyBitmapWidth dialog(context, parent);
    dialog.SetMode(mode);
    dialog.SetWidthText(QString::number(context.settings.PixelWidth));
    dialog.exec();
    if (!dialog.Confirmed())
        return false;
    context.settings.PixelWidth = dialog.Width();
    return true;
}

} // namespace vorlane
