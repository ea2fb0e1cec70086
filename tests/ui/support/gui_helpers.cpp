#include "support/gui_helpers.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <memory>

namespace vorlane::testing {

void Click(QWidget* root, const char* name) {
    auto* button = root->findChild<QAbstractButton*>(QString::fromLatin1(name));
    ASSERT_NE(button, nullptr) << "no button named " << name;
    ASSERT_TRUE(button->isEnabled()) << name << " is disabled";
    button->click();
}

void Type(QWidget* root, const char* name, const QString& text) {
    auto* edit = root->findChild<QLineEdit*>(QString::fromLatin1(name));
    ASSERT_NE(edit, nullptr) << "no edit named " << name;
    edit->setFocus();
    edit->selectAll();
    edit->clear();
    QTest::keyClicks(edit, text);
}

void OnNextModal(std::function<void(QWidget*)> action) {
    // Polls from the event loop until a modal window is up and visible; the window found
    // is the innermost one. The timer deletes itself once it is done.
    auto* timer = new QTimer();
    timer->setInterval(5);
    auto attempts = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, action = std::move(action), attempts] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible()) {
            timer->stop();
            const std::function<void(QWidget*)> run = action;
            timer->deleteLater();
            run(modal);
            return;
        }
        if (++*attempts > 2000) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "no modal window opened";
        }
    });
    timer->start();
}

void ProcessEvents() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

} // namespace vorlane::testing
