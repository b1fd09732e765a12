#pragma once
// The program's loaded windows in creation order, for CloseAllAndEnd. A window is added when
// its slot creates it and forgotten the moment it receives its close event, not later, when
// its deferred delete runs. Only QtCore here: each window comes with the call that closes it
// (through its closing step), which the widget side supplies.

#include <QList>
#include <QObject>

#include <functional>

namespace WindowRegistry {

// The windows that are loaded now, oldest first.
QList<QObject*> oldestFirst();

// Registers a new window; close closes it the way a user would, so that its closing step runs.
void add(QObject* window, std::function<void()> close);

// Forgets a window that stopped being loaded without a close event.
void forget(QObject* window);

// Closes a loaded window; a window that is no longer loaded is left alone.
void close(QObject* window);

} // namespace WindowRegistry
