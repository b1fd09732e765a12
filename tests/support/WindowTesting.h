#pragma once
// Helpers for driving the real windows in tests.

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QtTest>

// The named child, or a loud failure: a renamed control must break the test, not skip it.
template <class T> T* Child(const QObject* parent, const char* name)
{
    T* child = parent->findChild<T*>(QString::fromLatin1(name));
    if (!child)
        qFatal("no %s named %s", T::staticMetaObject.className(), name);
    return child;
}

// Windows closed with WA_DeleteOnClose are deleted on the next pass of the event loop.
inline void FlushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

inline void CloseAllWindows()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        window->close();
    FlushDeletes();
}

// Runs action as soon as the event loop of a modal window is running.
template <class Action> void WhenModal(Action action) { QTimer::singleShot(0, qApp, action); }
