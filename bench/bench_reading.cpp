// How long a reading takes once asked for, and what the chart window's creation costs of it.
// Run offscreen by scripts/bench.sh, e.g. QT_QPA_PLATFORM=offscreen bench_reading -median 21.
// Each run times one act: the main window it needs is set up beforehand and every window is
// closed afterwards, neither on the clock.
#include "TestEnvironment.h"
#include "WindowTesting.h"
#include "frmCorvaneNumerology.h"
#include "frmMain.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

namespace {

// Qt Test's own wall-clock measure counts whole milliseconds, too coarse for acts of a few; this
// one reports nanoseconds, as Qt Test's result for the function (so -median N gives the median
// of N runs).
void report(const QElapsedTimer& timer)
{
    QTest::setBenchmarkResult(qreal(timer.nsecsElapsed()), QTest::WalltimeNanoseconds);
}

} // namespace

class BenchReading : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { closeAllWindows(); }

    // From the press of the reading button, name and date entered, to the filled chart window.
    void reading()
    {
        QVERIFY(!frmCorvaneNumerology::isLoaded());
        frmMain* main = frmMain::instance();
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main));
        QTest::keyClicks(child<QLineEdit>(main, "txtName"), QStringLiteral("Ann Lee"));
        child<QComboBox>(main, "cboDate")->setCurrentIndex(15 - 1);
        child<QComboBox>(main, "cboMonth")->setCurrentIndex(8 - 1);
        child<QComboBox>(main, "cboYear")->setCurrentIndex(1985 - 1900);
        auto* cmdNext = child<QPushButton>(main, "cmdNext");

        QElapsedTimer timer;
        timer.start();
        QTest::mouseClick(cmdNext, Qt::LeftButton);
        report(timer);

        // A press that did not lead to the reading (a message, say) would time nothing useful.
        frmCorvaneNumerology* chart = frmCorvaneNumerology::loaded();
        QVERIFY(chart && chart->isVisible());
        QCOMPARE(child<QLabel>(chart, "lblLabel_9")->text(), QStringLiteral("10")); // Path
        QVERIFY(child<QTextEdit>(chart, "RTB")->toPlainText().contains(QStringLiteral("Path: 10")));
    }

    // The chart window made from its description, hidden and not yet filled.
    void chartWindowCreation()
    {
        QVERIFY(!frmCorvaneNumerology::isLoaded());
        frmCorvaneNumerology* chart = nullptr;

        QElapsedTimer timer;
        timer.start();
        chart = frmCorvaneNumerology::instance();
        report(timer);

        QVERIFY(chart && frmCorvaneNumerology::loaded() == chart && !chart->isVisible());
    }
};

HCN_TEST_MAIN(BenchReading)
#include "bench_reading.moc"
