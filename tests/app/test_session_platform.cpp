#include "Identity.h"
#include "SessionPlatform.h"

#include <QtTest>

class TestSessionPlatform : public QObject {
    Q_OBJECT
private slots:
    void choiceForEachSession_data()
    {
        QTest::addColumn<QStringList>("variables"); // NAME=value
        QTest::addColumn<QStringList>("arguments"); // after the program's own name
        QTest::addColumn<QByteArray>("expected");   // empty: Qt chooses

        const QByteArray xFirst = "xcb;wayland";
        const QByteArray nativeOnly = "wayland";
        const QByteArray qtChooses;
        const QStringList none;
        const QStringList gnomeWayland{"XDG_SESSION_TYPE=wayland", "WAYLAND_DISPLAY=wayland-0",
                                       "DISPLAY=:0"};

        QTest::newRow("X11 session")
            << QStringList{"XDG_SESSION_TYPE=x11", "DISPLAY=:0"} << none << qtChooses;
        QTest::newRow("X server alone") << QStringList{"DISPLAY=:1"} << none << qtChooses;
        QTest::newRow("nothing at all") << none << none << qtChooses;
        QTest::newRow("text console with a display")
            << QStringList{"XDG_SESSION_TYPE=tty", "DISPLAY=:0"} << none << qtChooses;
        QTest::newRow("Wayland session with XWayland") << gnomeWayland << none << xFirst;
        QTest::newRow("Wayland display only, with XWayland")
            << QStringList{"WAYLAND_DISPLAY=wayland-1", "DISPLAY=:2"} << none << xFirst;
        QTest::newRow("Wayland session type only, with XWayland")
            << QStringList{"XDG_SESSION_TYPE=wayland", "DISPLAY=:0"} << none << xFirst;
        QTest::newRow("Wayland display in an X11-typed session")
            << QStringList{"XDG_SESSION_TYPE=x11", "WAYLAND_DISPLAY=wayland-0", "DISPLAY=:0"}
            << none << xFirst;
        QTest::newRow("Wayland without XWayland")
            << QStringList{"XDG_SESSION_TYPE=wayland", "WAYLAND_DISPLAY=wayland-0"} << none
            << nativeOnly;
        QTest::newRow("Wayland session type, no display named")
            << QStringList{"XDG_SESSION_TYPE=wayland"} << none << nativeOnly;
        QTest::newRow("empty DISPLAY is no X display")
            << QStringList{"WAYLAND_DISPLAY=wayland-0", "DISPLAY="} << none << nativeOnly;
        QTest::newRow("empty WAYLAND_DISPLAY is no Wayland")
            << QStringList{"WAYLAND_DISPLAY=", "DISPLAY=:0"} << none << qtChooses;
        QTest::newRow("user's QT_QPA_PLATFORM=wayland")
            << gnomeWayland + QStringList{"QT_QPA_PLATFORM=wayland"} << none << qtChooses;
        QTest::newRow("user's QT_QPA_PLATFORM=xcb")
            << gnomeWayland + QStringList{"QT_QPA_PLATFORM=xcb"} << none << qtChooses;
        QTest::newRow("user's QT_QPA_PLATFORM without X")
            << QStringList{"WAYLAND_DISPLAY=wayland-0", "QT_QPA_PLATFORM=offscreen"} << none
            << qtChooses;
        QTest::newRow("empty QT_QPA_PLATFORM is unset")
            << gnomeWayland + QStringList{"QT_QPA_PLATFORM="} << none << xFirst;
        QTest::newRow("-platform argument")
            << gnomeWayland << QStringList{"-platform", "wayland"} << qtChooses;
        QTest::newRow("--platform argument")
            << gnomeWayland << QStringList{"--platform", "wayland"} << qtChooses;
        QTest::newRow("-platform after other arguments")
            << gnomeWayland << QStringList{"-style", "fusion", "-platform", "xcb"} << qtChooses;
        QTest::newRow("-platform naming nothing, which Qt ignores")
            << gnomeWayland << QStringList{"-platform"} << xFirst;
    }
    void choiceForEachSession()
    {
        QFETCH(QStringList, variables);
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, expected);
        QProcessEnvironment environment;
        for (const QString& variable : variables)
            environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
        const QStringList commandLine = QStringList{QString::fromUtf8(Identity::ProgramId)} + arguments;
        QCOMPARE(platformForSession(environment, commandLine), expected);
    }
};

QTEST_APPLESS_MAIN(TestSessionPlatform)
#include "test_session_platform.moc"
