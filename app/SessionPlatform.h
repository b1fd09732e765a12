#pragma once
// The Qt platform the program starts on, chosen from the session before QApplication exists.

#include <QByteArray>
#include <QProcessEnvironment>
#include <QStringList>

// The value for QT_QPA_PLATFORM to start with, or an empty array to leave the choice to Qt.
// Native Wayland gives a program no way to keep a window above the others, which the farewell
// window needs, so a Wayland session that also offers an X display (XWayland) starts on X,
// with native Wayland as the fallback; without an X display it is native Wayland. The user's
// own QT_QPA_PLATFORM or -platform argument always wins. arguments is the whole command line.
QByteArray platformForSession(const QProcessEnvironment& environment, const QStringList& arguments);
