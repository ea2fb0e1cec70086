#include "ui/main/user_manual.h"

#include "ui/common/app_context.h"
#include "ui/common/prompter.h"
#include "ui/common/ui_text.h"

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

namespace vorlane {

namespace {

QLabel* NoticeText(const QString& text, const char* name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

TUserManual::TUserManual(AppContext& context, QWidget* parent)
    : VorlaneDialog(context, 400, 178, parent) {
    setWindowTitle(QStringLiteral("User Manual Notice"));

    NoticeText(QStringLiteral("The user manual for the Vorlane 98 is in a Microsoft Word format.  "
                              "If you do not have Word on your computer, a free \"Word Viewer\" is "
                              "available on Microsoft's home page on the web."),
               "noticeLabel", this)
        ->setGeometry(12, 12, 376, 64);
    NoticeText(QStringLiteral("The \"Word Viewer\" will allow you to view and print the user "
                              "manual in its proper format.  Click \"Ok\" below to view the "
                              "manual."),
               "viewerLabel", this)
        ->setGeometry(12, 84, 376, 48);

    auto* ok = new QPushButton(QStringLiteral("&Ok"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setGeometry(118, 142, 80, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TUserManual::OkButtonClick);

    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setGeometry(206, 142, 80, 25);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TUserManual::OkButtonClick() {
    const QString path = FromPath(Context().ProgramFile(kUserManualFile));
    if (QFileInfo(path).isFile())
        Prompts().OpenDocument(path);
    else
        Prompts().Inform(QStringLiteral("The User Manual could not be located.  Please make sure "
                                        "the user manual was installed.  A copy is available at "
                                        "our web site."),
                         QStringLiteral("Error"));
    accept();
}

} // namespace vorlane
