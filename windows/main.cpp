#include "DesktopPlatform.h"
#include "InstanceLock.h"
#include "SessionPlatform.h"
#include "StartUp.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QStringList commandLine;
    for (int i = 0; i < argc; ++i)
        commandLine << QString::fromLocal8Bit(argv[i]);
    const QByteArray platform =
        platformForSession(QProcessEnvironment::systemEnvironment(), commandLine);
    // Qt reads the variable while QApplication is made; it goes again straight after, so that
    // the programs we start (the browser, through xdg-open) choose their platform themselves.
    const bool variableWasSet = qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
    QApplication app(argc, argv);
    if (!platform.isEmpty()) {
        if (variableWasSet)
            qputenv("QT_QPA_PLATFORM", QByteArray()); // as it was: set, empty
        else
            qunsetenv("QT_QPA_PLATFORM");
    }
    Platform::current() = desktopServices();
    InstanceLock lock;
    if (!startUp(lock))
        return 0; // another copy runs, and this one has said so
    return QApplication::exec();
}
