#include "ui/main/about_box.h"

#include "ui/common/artwork.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace vorlane {

TAboutBox::TAboutBox(AppContext& context, QWidget* parent)
    : VorlaneDialog(context, 300, 160, parent) {
    setWindowTitle(QStringLiteral("About"));

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("aboutFrame"));
    panel->setGeometry(10, 10, 280, 106);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);

    m_picture = new QLabel(panel);
    m_picture->setObjectName(QStringLiteral("logoLabel"));
    m_picture->setGeometry(14, 17, 72, 72);

    auto* product = new QLabel(QStringLiteral("Vorlane 98"), panel);
    product->setObjectName(QStringLiteral("productLabel"));
    product->setGeometry(102, 26, 170, 30);
    QFont productFont = product->font();
    productFont.setPointSizeF(productFont.pointSizeF() * 1.8);
    productFont.setBold(true);
    product->setFont(productFont);

    auto* version = new QLabel(QStringLiteral("Version 3.0d"), panel);
    version->setObjectName(QStringLiteral("versionLabel"));
    version->setGeometry(104, 60, 170, 18);

    auto* ok = new QPushButton(QStringLiteral("&Ok"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setGeometry(110, 125, 80, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutBox::FormShow() {
    // Drawn at the scaled size so that it stays sharp at every screen factor.
    m_picture->setPixmap(ProgramLogo(m_picture->width()));
}

} // namespace vorlane
