#pragma once

#include <QIcon>

// The program's icon at the sizes a window or a task bar shows (16, 32 and 48 pixels), for
// QApplication::setWindowIcon; every window uses it. The large sizes are for the desktop's
// menus and come from the installed icon theme, not from here.
QIcon applicationIcon();
