#include "ui/export/the_jpeg_factor.h"

#include "core/text.h"
#include "ui/common/app_context.h"
#include "ui/common/prompter.h"
#include "ui/common/ui_text.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vorlane {

TTheJPegFactor::TTheJPegFactor(AppContext& context, QWidget* parent)
    : VorlaneDialog(context, 445, 123, parent) {
    setWindowTitle(QStringLiteral("JPEG Factor"));

    auto* note = new QLabel(
        QStringLiteral("When the Factor is high, the image will be sharper, but the file size "
                       "will be larger.  If the factor is lower, then the file size will be "
                       "smaller, but the image will not be as sharp."),
        this);
    note->setObjectName(QStringLiteral("noteLabel"));
    note->setGeometry(8, 8, 429, 54);
    note->setFrameShape(QFrame::StyledPanel);
    note->setFrameShadow(QFrame::Sunken);
    note->setWordWrap(true);
    note->setMargin(4);
    note->setTextFormat(Qt::PlainText);

    auto* label =
        new QLabel(QStringLiteral("JPEG Compression/Quality Factor (Range: 1 - 100)"), this);
    label->setObjectName(QStringLiteral("qualityLabel"));
    label->setGeometry(8, 68, 320, 21);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    m_qualityEdit = new QLineEdit(this);
    m_qualityEdit->setObjectName(QStringLiteral("qualityEdit"));
    m_qualityEdit->setGeometry(332, 68, 48, 21);
    m_qualityEdit->setMaxLength(8);
    label->setBuddy(m_qualityEdit);

    auto* ok = new QPushButton(QStringLiteral("&Ok"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setGeometry(276, 95, 78, 24);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TTheJPegFactor::OkButtonClick);

    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setGeometry(359, 95, 78, 24);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TTheJPegFactor::FormShow() {
    m_qualityEdit->setText(QString::number(Context().settings.JPegCompressionQuality));
    m_qualityEdit->setFocus();
    m_qualityEdit->selectAll();
}

void TTheJPegFactor::OkButtonClick() {
    const int quality = ReadWholeNumber(Trim(ToCp1252(m_qualityEdit->text())));
    if (quality <= 0 || quality > 100) {
        Prompts().Inform(
            QStringLiteral("Invalid factor entered.  Factor must be between 1 and 100"),
            QStringLiteral("Error"));
        m_qualityEdit->setFocus();
        m_qualityEdit->selectAll();
        return;
    }
    Context().settings.JPegCompressionQuality = quality;
    accept();
}

} // namespace vorlane
