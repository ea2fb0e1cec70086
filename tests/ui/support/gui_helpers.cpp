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
    // is the innermost one.
    auto shared = std::make_shared<std::function<void(QWidget*)>>(std::move(action));
    auto attempts = std::make_shared<int>(0);
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [shared, attempts, poll] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible()) {
            (*shared)(modal);
            return;
        }
        if (++*attempts > 2000) {
            ADD_FAILURE() << "no modal window opened";
            return;
        }
        QTimer::singleShot(5, *poll);
    };
    QTimer::singleShot(0, *poll);
}

void ProcessEvents() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

} // namespace vorlane::testing
