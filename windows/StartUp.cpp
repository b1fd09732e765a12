#include "StartUp.h"

#include "ApplicationIcon.h"
#include "CoBrand.h"
#include "Identity.h"
#include "InstanceLock.h"
#include "OfferFrame.h"
#include "Platform.h"
#include "PlatformStyle.h"
#include "Settings.h"
#include "WindowSlot.h"
#include "frmMain.h"
#include "modHelp.h"

#include <QApplication>

bool startUp(InstanceLock& lock)
{
    QApplication::setApplicationName(QString::fromUtf8(Identity::ProgramId));
    QApplication::setApplicationVersion(QString::fromUtf8(Identity::Version));
    // No applicationDisplayName: the platforms append it to every window title not ending in
    // it, and the design fixes the titles ("<name> v<version>" and, for messages, "<name>").
    // Lets the desktop match the running window to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QString::fromUtf8(Identity::DesktopId));
    QApplication::setWindowIcon(applicationIcon());
    PlatformStyle::install();

    if (lock.anotherCopyRunning()) {
        Platform::showMessage({QStringLiteral("Application is already running")});
        modHelp::CloseAllAndEnd(); // no event loop runs yet to be left: the caller leaves
        return false;
    }
    Platform::seedRandomFromClock();
    modHelp::CheckUpdateReminder();
    frmMain* mainWindow = frmMain::instance();
    mainWindow->show();
    CoBrand_Randomize(mainWindow->cobrandLabel(), mainWindow->fullBrandLabel());
    return true;
}
