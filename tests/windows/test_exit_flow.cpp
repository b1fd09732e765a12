#include "DesktopPlatform.h"
#include "Identity.h"
#include "InstanceLock.h"
#include "ScriptedPlatform.h"
#include "StartUp.h"
#include "TestEnvironment.h"
#include "WindowTesting.h"
#include "frmAbout.h"
#include "frmCorvaneNumerology.h"
#include "frmMain.h"
#include "frmNagScreen2.h"
#include "modHelp.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QWindow>

namespace {

// The loaded windows by class name, split into the shown and the hidden ones.
QStringList Loaded(bool visible)
{
    QStringList names;
    for (QWidget* window : LoadedWindows::oldestFirst())
        if (window->isVisible() == visible)
            names << QString::fromLatin1(window->metaObject()->className());
    names.sort();
    return names;
}

// The close box of the window's frame, as the window system reports it.
void closeBox(QWidget* window)
{
    QWindow* frame = window->windowHandle();
    if (!frame)
        qFatal("%s has no native window", window->metaObject()->className());
    QCloseEvent event; // what the window system sends to the native window
    QCoreApplication::sendEvent(frame, &event);
}

frmCorvaneNumerology* askForReading()
{
    frmMain* main = frmMain::instance();
    main->show();
    child<QLineEdit>(main, "txtName")->setText(QStringLiteral("Ann"));
    child<QComboBox>(main, "cboYear")->setCurrentIndex(85);
    QTest::mouseClick(child<QPushButton>(main, "cmdNext"), Qt::LeftButton);
    return frmCorvaneNumerology::instance();
}

// Records the order in which watched windows receive their close event.
class CloseRecorder : public QObject {
public:
    QStringList closed;
    void watch(QWidget* window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Close)
            closed << QString::fromLatin1(watched->metaObject()->className());
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

class TestExitFlow : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { closeAllWindows(); }

    void windowsOnScreen_data()
    {
        QTest::addColumn<QString>("road");
        QTest::addColumn<QStringList>("visible");
        QTest::addColumn<QStringList>("hidden");
        const QStringList none;
        const QStringList main{"frmMain"}, chart{"frmCorvaneNumerology"}, farewell{"frmNagScreen2"};
        QTest::newRow("start-up") << "start" << main << none;
        QTest::newRow("a reading") << "reading" << chart << farewell;
        QTest::newRow("Back button") << "reading, cmdBack" << main << farewell;
        QTest::newRow("File > Back") << "reading, mnuBack" << main << farewell;
        QTest::newRow("main: File > Exit") << "start, mnuExit" << farewell << none;
        QTest::newRow("main: close box") << "start, close box" << farewell << none;
        QTest::newRow("chart: File > Exit") << "reading, mnuExit" << farewell << none;
        QTest::newRow("chart: Exit button") << "reading, cmdExit" << farewell << none;
        QTest::newRow("chart: close box") << "reading, close box" << farewell << none;
        QTest::newRow("Back, then close box of the new main window")
            << "reading, cmdBack, close box" << farewell << none;
        QTest::newRow("about window opened and closed") << "start, about" << main << none;
    }
    void windowsOnScreen()
    {
        QFETCH(QString, road);
        QFETCH(QStringList, visible);
        QFETCH(QStringList, hidden);
        ScriptedPlatform platform;
        InstanceLock lock;
        QWidget* current = nullptr;
        for (const QString& step : road.split(QStringLiteral(", "))) {
            if (step == "start") {
                QVERIFY(startUp(lock));
                current = frmMain::instance();
            } else if (step == "reading") {
                current = askForReading();
            } else if (step == "close box") {
                closeBox(current);
            } else if (step == "about") {
                QVERIFY(opensAboutModally<frmAbout>(current));
            } else {
                activate(current, step); // a menu entry or a button
                if (step == "cmdBack" || step == "mnuBack")
                    current = frmMain::instance();
            }
        }
        QCOMPARE(Loaded(true), visible);
        QCOMPARE(Loaded(false), hidden);
        QCOMPARE(platform.endCount, 0);
        QVERIFY(platform.messages.isEmpty());
    }

    // The start-up tells Qt who the program is, in the build's words, and the main window
    // carries the designed title.
    void startUpNamesTheProgram()
    {
        ScriptedPlatform platform;
        InstanceLock lock;
        QVERIFY(startUp(lock));
        QCOMPARE(QCoreApplication::applicationName(), QString::fromUtf8(Identity::ProgramId));
        QCOMPARE(QCoreApplication::applicationVersion(), QString::fromUtf8(Identity::Version));
        QCOMPARE(QGuiApplication::desktopFileName(), QString::fromUtf8(Identity::DesktopId));
        QCOMPARE(frmMain::instance()->windowTitle(), designedWindowTitle());
    }

    // The start-up draw puts one of the main window's two offer labels in front: the first
    // argument on an odd draw, the second on an even one. It runs once, with the window
    // already shown, and a new main window after Back gets none.
    void startUpDrawsTheOfferLabelOnce_data()
    {
        QTest::addColumn<double>("draw");
        QTest::addColumn<QString>("front");
        QTest::newRow("1: co-branding") << 0.0 << "lblCobrand";
        QTest::newRow("4: full branding") << 0.5 << "lblFullBrand";
        QTest::newRow("5: co-branding") << 0.7 << "lblCobrand";
    }
    void startUpDrawsTheOfferLabelOnce()
    {
        QFETCH(double, draw);
        QFETCH(QString, front);
        ScriptedPlatform platform;
        platform.drawNext(draw);
        int draws = 0;
        bool shownAtEachDraw = true;
        const auto scripted = Platform::current().randomFraction;
        Platform::current().randomFraction = [&] {
            ++draws;
            shownAtEachDraw &= frmMain::isLoaded() && frmMain::instance()->isVisible();
            return scripted();
        };

        InstanceLock lock;
        QVERIFY(startUp(lock));
        QCOMPARE(draws, 1);
        QVERIFY(shownAtEachDraw);
        QCOMPARE(platform.seedCount, 1);
        frmMain* main = frmMain::instance();
        auto* frame = child<QWidget>(main, "fraFullBrand");
        QCOMPARE(frame->childAt(frame->rect().center())->objectName(), front);

        askForReading();
        const int drawsBeforeBack = draws; // the farewell window draws its appeal meanwhile
        activate(frmCorvaneNumerology::instance(), "cmdBack");
        QVERIFY(frmMain::instance()->isVisible());
        QCOMPARE(draws, drawsBeforeBack);
    }

    void closingTheFarewellWindowEndsTheProgram_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Exit button") << "cmdClose";
        QTest::newRow("close box") << "close box";
    }
    void closingTheFarewellWindowEndsTheProgram()
    {
        QFETCH(QString, how);
        ScriptedPlatform platform;
        askForReading();
        closeBox(frmCorvaneNumerology::instance()); // leave the chart: the farewell comes up
        frmNagScreen2* farewell = frmNagScreen2::instance();
        QVERIFY(farewell->isVisible());
        if (how == "close box")
            closeBox(farewell);
        else
            QTest::mouseClick(child<QPushButton>(farewell, "cmdClose"), Qt::LeftButton);
        QCOMPARE(platform.endCount, 1);
        QVERIFY(LoadedWindows::oldestFirst().isEmpty());
        QVERIFY(!farewell->isVisible());
    }

    // One copy per user: while a lock is held, a second start says so, ends and loads no
    // window; once the holder has gone, the next start runs.
    void aSecondCopySaysSoAndEnds()
    {
        ScriptedPlatform platform;
        auto first = std::make_unique<InstanceLock>();
        QVERIFY(!first->anotherCopyRunning());
        InstanceLock second;
        platform.answerNext(Platform::Answer::Ok);
        QVERIFY(!startUp(second));
        QCOMPARE(platform.messages.size(), 1);
        QCOMPARE(platform.messages.first().text, QStringLiteral("Application is already running"));
        QCOMPARE(platform.endCount, 1);
        QVERIFY(LoadedWindows::oldestFirst().isEmpty());

        first.reset();
        InstanceLock third;
        QVERIFY(startUp(third));
        QVERIFY(frmMain::instance()->isVisible());
        QCOMPARE(platform.endCount, 1);
    }

    // The program's real end leaves every running event loop, a modal one's too, so that main
    // returns with status 0 and nothing after the end keeps it alive.
    void theRealEndLeavesEveryEventLoop()
    {
        bool innerLoopLeft = false;
        QTimer::singleShot(0, [&] {
            QEventLoop modal; // as a message box or the about window runs one
            QTimer::singleShot(0, [] { desktopServices().endProcess(); });
            modal.exec();
            innerLoopLeft = true;
        });
        QTimer::singleShot(std::chrono::milliseconds(timeLimitMs(5000)),
                           [] { QCoreApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(innerLoopLeft);
    }

    void closeAllAndEndClosesOldestFirstAndEndsOnce()
    {
        ScriptedPlatform platform;
        CloseRecorder recorder;
        // Created in this order: main, then (by the reading) chart and farewell, then about.
        frmMain* main = frmMain::instance();
        recorder.watch(main);
        askForReading();
        recorder.watch(frmCorvaneNumerology::instance());
        recorder.watch(frmNagScreen2::instance());
        frmAbout* about = frmAbout::instance();
        recorder.watch(about);
        QCOMPARE(Loaded(false) + Loaded(true),
                 QStringList({"frmAbout", "frmNagScreen2", "frmCorvaneNumerology"}));

        // The chart's closing step shows the farewell window, whose closing step runs an
        // inner pass; that pass closes what is left and ends, and the outer pass stops.
        modHelp::CloseAllAndEnd();
        QCOMPARE(recorder.closed,
                 QStringList({"frmMain", "frmCorvaneNumerology", "frmNagScreen2", "frmAbout"}));
        QCOMPARE(platform.endCount, 1);
        QVERIFY(LoadedWindows::oldestFirst().isEmpty());
    }

    void aWindowOpenedWhileEndingDoesNotKeepTheProgramAlive()
    {
        ScriptedPlatform platform;
        frmMain::instance()->show();
        // Closing the main window loads and shows the farewell window during the pass.
        modHelp::CloseAllAndEnd();
        QCOMPARE(platform.endCount, 1);
        QVERIFY(!frmMain::isLoaded());
    }

    void aClosedWindowIsForgottenAtOnce()
    {
        frmMain* first = frmMain::instance();
        first->show();
        ScriptedPlatform platform;
        first->close(); // its deferred delete has not run yet
        QVERIFY(!frmMain::isLoaded());
        frmMain* second = frmMain::instance();
        QVERIFY(second != first);
        QVERIFY(child<QLineEdit>(second, "txtName")->text().isEmpty());
        QCOMPARE(LoadedWindows::oldestFirst(),
                 (QList<QWidget*>{frmNagScreen2::instance(), second}));
    }

    void enterPressesTheFocusedButton_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("shown"); // the window on screen afterwards
        QTest::newRow("Exit") << "cmdExit"
                              << "frmNagScreen2";
        QTest::newRow("Back") << "cmdBack"
                              << "frmMain";
        QTest::newRow("Comprehensive Reading") << "cmdComprehensive"
                                               << "frmCorvaneNumerology";
    }
    void enterPressesTheFocusedButton()
    {
        QFETCH(QString, button);
        QFETCH(QString, shown);
        ScriptedPlatform platform;
        frmCorvaneNumerology* chart = askForReading();
        QVERIFY(QTest::qWaitForWindowActive(chart));
        auto* target = child<QPushButton>(chart, qPrintable(button));
        bool clicked = false;
        connect(target, &QPushButton::clicked, this, [&clicked] { clicked = true; });
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Return);
        QVERIFY(clicked);
        QCOMPARE(Loaded(true), QStringList{shown});
    }
};

HCN_TEST_MAIN(TestExitFlow)
#include "test_exit_flow.moc"
