#include "DesktopPlatform.h"
#include "Platform.h"
#include "ScriptedPlatform.h"
#include "TestEnvironment.h"
#include "WindowTesting.h"
#include "frmAbout.h"
#include "frmCorvaneNumerology.h"
#include "frmMain.h"
#include "frmNagScreen2.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QWindow>
#include <QtTest>

namespace {

// Shows the window and waits until it is on screen.
void showWindow(QWidget* window)
{
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        qFatal("%s did not come on screen", qPrintable(window->objectName()));
}

// Leaves our windows shown with none of them active, as under a compositor that has not
// activated a new window yet: a window of no one's is shown, takes the activation, and goes.
void leaveNoWindowActive()
{
    QWidget stranger;
    showWindow(&stranger);
    // Not QTRY_: its expansion narrows a long to an int, which warns from Qt 6.8.
    if (!QTest::qWaitForWindowActive(&stranger))
        qFatal("a window of no one's did not become active");
    stranger.hide();
}

// Where a real dialog stood while its modal loop ran.
struct Placed {
    bool shown = false;
    QString parent;          // the parent widget's object name; empty for none
    bool overParent = false; // its transient parent is the parent's window (none for none)
};

// Runs open (which shows a dialog of the real platform services and waits on it) and reads,
// from inside the dialog's loop, the parent it was given; the dialog is then rejected.
template <class Dialog, class Open> Placed placementOf(Open open)
{
    Placed placed;
    const auto inModalLoop = whenModal([&] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        const QWidget* parent = dialog->parentWidget();
        placed.shown = true;
        placed.parent = parent ? parent->objectName() : QString();
        placed.overParent = dialog->windowHandle()->transientParent() ==
                            (parent ? parent->window()->windowHandle() : nullptr);
        dialog->reject();
    });
    open();
    return placed;
}

Placed messageBoxPlacement()
{
    return placementOf<QMessageBox>(
        [] { desktopServices().showMessage({QStringLiteral("Please Check The File.")}); });
}

} // namespace

// The real message box and file dialog (not the test double) open over the window that opened
// them, as their parent and so as their transient parent, whatever is active at the time.
class TestDialogParents : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { closeAllWindows(); }

    void messageBoxOpensOverItsOpener_data()
    {
        QTest::addColumn<QStringList>("shown"); // in this order; "-": from here none is active
        QTest::addColumn<QString>("expected");  // the window the box belongs over
        QTest::newRow("the active window") << QStringList{"frmMain"} << "frmMain";
        QTest::newRow("no window active") << QStringList{"frmMain", "-"} << "frmMain";
        QTest::newRow("the newest shown, none active")
            << QStringList{"frmMain", "frmCorvaneNumerology", "-"} << "frmCorvaneNumerology";
        QTest::newRow("the active one, not the newest")
            << QStringList{"frmMain", "frmCorvaneNumerology", "activate frmMain"} << "frmMain";
        QTest::newRow("none shown") << QStringList{"hidden frmNagScreen2"} << "";
        QTest::newRow("a hidden window passed over")
            << QStringList{"frmMain", "hidden frmNagScreen2", "-"} << "frmMain";
    }
    void messageBoxOpensOverItsOpener()
    {
        QFETCH(QStringList, shown);
        QFETCH(QString, expected);
        for (const QString& step : shown) {
            if (step == "-")
                leaveNoWindowActive();
            else if (step == "frmMain")
                showWindow(frmMain::instance());
            else if (step == "frmCorvaneNumerology")
                showWindow(frmCorvaneNumerology::instance());
            else if (step == "hidden frmNagScreen2")
                frmNagScreen2::instance()->hide(); // loaded, as it stays until the end
            else if (step == "activate frmMain") {
                frmMain::instance()->activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(frmMain::instance()));
            }
        }
        if (shown.last() == "-")
            QVERIFY(!QApplication::activeWindow());

        const Placed placed = messageBoxPlacement();
        QVERIFY(placed.shown);
        QCOMPARE(placed.parent, expected);
        QVERIFY(placed.overParent);
    }

    // A box asked for while the about window is up belongs over it, not over the window below.
    void messageBoxOpensOverTheModalWindow()
    {
        frmMain* main = frmMain::instance();
        showWindow(main);
        Placed placed;
        const auto inAboutLoop = whenModal([&] {
            placed = messageBoxPlacement();
            frmAbout::instance()->close();
        });
        frmAbout::showModal(main);
        QVERIFY(placed.shown);
        QCOMPARE(placed.parent, QStringLiteral("frmAbout"));
        QVERIFY(placed.overParent);
    }

    void fileDialogOpensOverItsOpener()
    {
        showWindow(frmMain::instance());
        showWindow(frmCorvaneNumerology::instance());
        leaveNoWindowActive();
        QVERIFY(!QApplication::activeWindow());
        const Placed placed = placementOf<QFileDialog>([] {
            const auto chosen = desktopServices().chooseFileToOpen(
                {QStringLiteral("Open"), QStringLiteral("Readings (*.num)"),
                 QStringLiteral("num")});
            QVERIFY(!chosen);
        });
        QVERIFY(placed.shown);
        QCOMPARE(placed.parent, QStringLiteral("frmCorvaneNumerology"));
        QVERIFY(placed.overParent);
    }
};

HCN_TEST_MAIN(TestDialogParents)
#include "test_dialog_parents.moc"
