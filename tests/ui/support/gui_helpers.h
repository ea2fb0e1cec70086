#pragma once

#include <QApplication>
#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

// Finding and driving widgets by objectName in window tests.
namespace vorlane::testing {

// The child of root with that objectName; fails the test when there is none.
template <class T> T* Find(QWidget* root, const char* name) {
    T* w = root->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << "no widget named " << name;
    return w;
}

// Clicks a button (or anything with a click) by name; fails when it is missing or disabled.
void Click(QWidget* root, const char* name);
// Replaces the text of a line edit by name.
void Type(QWidget* root, const char* name, const QString& text);

// Runs action on the next modal window the program opens, once it is shown, from the
// event loop of that window. The action is expected to close the window.
void OnNextModal(std::function<void(QWidget*)> action);

// Runs action on the next modal window of type T (helper above, with a check of the type).
template <class T> void OnNextModalOf(std::function<void(T*)> action) {
    OnNextModal([action](QWidget* w) {
        T* typed = qobject_cast<T*>(w);
        EXPECT_NE(typed, nullptr) << "the modal window is a " << w->metaObject()->className();
        if (typed)
            action(typed);
        else
            w->close();
    });
}

// Lets queued events (repaints, deferred calls) run.
void ProcessEvents();

} // namespace vorlane::testing
