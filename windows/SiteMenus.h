#pragma once

class QAction;
class QMenuBar;
class QString;

// The menus after File in the main and chart windows: Help (online help, visit, update,
// about), Donate and Make Money Online. The web entries are wired by connectWebLinks; the
// returned Help > About Software is left to the window. The windows differ only in the
// caption of the update entry (its access key), which each passes in.
QAction* addSiteMenus(QMenuBar* bar, const QString& updateCaption);
