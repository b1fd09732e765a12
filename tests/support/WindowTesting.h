#pragma once
// Helpers for driving the real windows in tests.

#include "Identity.h"
#include "ScriptedPlatform.h"
#include "WindowSlot.h"
#include "modHelp.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>
#include <QtTest>

#include <memory>

// The titles composed as the design has them, from the product's name and version.
inline QString designedWindowTitle()
{
    return QStringLiteral("%1 v%2").arg(QString::fromUtf8(Identity::ProductName),
                                        QString::fromUtf8(Identity::Version));
}
inline QString chartTitleFor(const QString& name)
{
    return QString::fromUtf8(Identity::ProductName) + QStringLiteral(" Chart for ") + name;
}

// The named child, or a loud failure: a renamed control must break the test, not skip it.
template <class T> T* child(const QObject* parent, const char* name)
{
    T* child = parent->findChild<T*>(QString::fromLatin1(name));
    if (!child)
        qFatal("no %s named %s", T::staticMetaObject.className(), name);
    return child;
}

// Windows closed with WA_DeleteOnClose are deleted on the next pass of the event loop.
inline void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Ends the program's windows the way the program does; a closing step may load the farewell
// window during a pass, so a later pass closes that too.
inline void closeAllWindows()
{
    ScriptedPlatform ending; // the end of the process is expected here
    for (int pass = 0; pass < 3 && !LoadedWindows::oldestFirst().isEmpty(); ++pass)
        modHelp::CloseAllAndEnd();
    if (!LoadedWindows::oldestFirst().isEmpty())
        qFatal("windows stay loaded after CloseAllAndEnd");
    flushDeletes();
}

// Lets the event loop run until the condition holds or five seconds have passed; the caller
// then checks it. (Qt's QTRY_ macros narrow a long to an int inside, which warns from Qt 6.8.)
template <class Condition> void waitUntil(Condition condition)
{
    if (!QTest::qWaitFor(condition))
        qWarning("waited five seconds in vain");
}

// The names of the controls that the Tab key visits, starting from the focused one.
inline QStringList tabWalk(int steps)
{
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < steps; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    return visited;
}

// The window's menu bar as text: each top-level caption, its entries indented below it,
// "-" for a separator and " [key]" after an entry that has a shortcut key.
inline QStringList menuLayout(const QWidget* window)
{
    QStringList lines;
    for (QAction* top : window->findChild<QMenuBar*>()->actions()) {
        lines << top->text();
        if (QMenu* menu = top->menu()) {
            for (QAction* entry : menu->actions()) {
                QString line = entry->isSeparator() ? QStringLiteral("-") : entry->text();
                if (!entry->shortcut().isEmpty())
                    line += " [" + entry->shortcut().toString() + ']';
                lines << "  " + line;
            }
        }
    }
    return lines;
}

// Runs action as soon as the event loop of a modal window is running. The action belongs to
// the returned guard: when the caller's frame ends first (no modal loop started), it is
// dropped unrun instead of running later on the caller's dead locals.
template <class Action> [[nodiscard]] std::unique_ptr<QObject> whenModal(Action action)
{
    auto guard = std::make_unique<QObject>();
    QTimer::singleShot(0, guard.get(), action);
    return guard;
}

// The web menu entries and link labels that the main and chart windows share, with the
// page each opens; forumLink is the window's own forum label.
inline void addWebControlRows(const char* forumLink)
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("key");
    const std::pair<const char*, const char*> rows[] = {
        {"mnuOnline", "help-web-page"},     {"mnuVisit", "home-page"},
        {"mnuUpdate", "download-web-page"}, {"mnuDonate", "donate"},
        {forumLink, "home-page"},           {"lblCobrand", "co-brand"},
        {"lblFullBrand", "fully-branded"}};
    for (const auto& [control, key] : rows)
        QTest::newRow(control) << QString::fromLatin1(control) << QString::fromLatin1(key);
}

// Triggers the named menu entry, or clicks the named link label.
inline void activate(QWidget* window, const QString& control)
{
    if (control.startsWith(QLatin1String("mnu")))
        child<QAction>(window, qPrintable(control))->trigger();
    else
        QTest::mouseClick(child<QWidget>(window, qPrintable(control)), Qt::LeftButton);
}

// The farewell window as the exit flow brings it up: shown, active, Exit focused.
template <class Farewell> Farewell* shownFarewell()
{
    Farewell* farewell = Farewell::instance();
    farewell->showFarewell();
    if (!QTest::qWaitForWindowActive(farewell))
        qFatal("the farewell window did not become active");
    return farewell;
}

// Triggers the window's About entry; true when the about window came up as the active
// modal window (it is closed again at once).
template <class AboutWindow> bool opensAboutModally(QWidget* window)
{
    bool modal = false;
    const auto inModalLoop = whenModal([&] {
        modal = QApplication::activeModalWidget() == AboutWindow::instance();
        AboutWindow::instance()->close();
    });
    child<QAction>(window, "mnuAbout")->trigger();
    return modal;
}
