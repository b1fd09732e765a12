#include "Identity.h"
#include "ScriptedPlatform.h"
#include "TestEnvironment.h"
#include "WindowTesting.h"
#include "frmAbout.h"
#include "frmCorvaneNumerology.h"
#include "frmMain.h"
#include "frmNagScreen2.h"
#include "modCorvaneNumerology.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

using namespace modCorvaneNumerology;

namespace {

const QString Page = QString::fromUtf8(Identity::PageScriptAddress) + QStringLiteral("?page=");

// A reading asked for in a fresh main window, as a user would.
frmCorvaneNumerology* Reading(const QString& name, int day, int month, int year)
{
    frmMain* main = frmMain::instance();
    main->show();
    QTest::keyClicks(child<QLineEdit>(main, "txtName"), name);
    child<QComboBox>(main, "cboDate")->setCurrentIndex(day - 1);
    child<QComboBox>(main, "cboMonth")->setCurrentIndex(month - 1);
    child<QComboBox>(main, "cboYear")->setCurrentIndex(year - 1900);
    QTest::mouseClick(child<QPushButton>(main, "cmdNext"), Qt::LeftButton);
    flushDeletes();
    return frmCorvaneNumerology::instance();
}

QString text(const std::string& paragraph) { return QString::fromStdString(paragraph); }

QString Label(QWidget* chart, int index)
{
    return child<QLabel>(chart, qPrintable(QStringLiteral("lblLabel_%1").arg(index)))->text();
}

QPlainTextEdit* result(QWidget* chart, int index)
{
    return child<QPlainTextEdit>(chart, qPrintable(QStringLiteral("txtResult_%1").arg(index)));
}

// The page whose frame is in front where both overlap.
QString frontPage(QWidget* chart)
{
    auto* frame1 = child<QGroupBox>(chart, "Frame1");
    QWidget* area = frame1->parentWidget();
    const QPoint inside = frame1->geometry().topLeft() + QPoint(3, 3);
    for (QWidget* hit = area->childAt(inside); hit; hit = hit->parentWidget())
        if (hit->objectName() == "Frame1" || hit->objectName() == "Frame2")
            return hit->objectName();
    return QString();
}

} // namespace

class TestChartWindow : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { closeAllWindows(); }

    void numberPageOf1985()
    {
        frmCorvaneNumerology* chart = Reading(QStringLiteral("Ann Lee"), 15, 8, 1985);
        QVERIFY(chart->isVisible());
        QVERIFY(!frmMain::isLoaded());
        QCOMPARE(frontPage(chart), QStringLiteral("Frame1"));
        QCOMPARE(chart->focusWidget(), child<QWidget>(chart, "cmdExit"));
        QCOMPARE(child<QLabel>(chart, "lblCaption")->text(),
                 chartTitleFor(QStringLiteral("Ann Lee")));
        // Names at even indices, numbers at the odd index after each.
        QCOMPARE(
            QStringList({Label(chart, 0), Label(chart, 1), Label(chart, 2), Label(chart, 3),
                         Label(chart, 4), Label(chart, 5), Label(chart, 6), Label(chart, 7),
                         Label(chart, 8), Label(chart, 9)}),
            QStringList({"Soul", "6", "Karma", "8", "Gift", "4", "Knowledge", "5", "Path", "10"}));
        // Paragraph boxes: 0 Path, 1 Soul, 2 Gift, 3 Knowledge, 4 Karma.
        QCOMPARE(result(chart, 0)->toPlainText(), text(PathTexts[10]));
        QCOMPARE(result(chart, 1)->toPlainText(), text(SoulTexts[6]));
        QCOMPARE(result(chart, 2)->toPlainText(), text(GiftTexts[4]));
        QCOMPARE(result(chart, 3)->toPlainText(), text(DestinyTexts[5]));
        QCOMPARE(result(chart, 4)->toPlainText(), text(KarmaTexts[8]));
        for (int i = 0; i < 5; ++i)
            QVERIFY(result(chart, i)->isReadOnly() && result(chart, i)->isVisible());
    }

    void readingOf1985()
    {
        frmCorvaneNumerology* chart = Reading(QStringLiteral("Ann Lee"), 15, 8, 1985);
        auto* rtb = child<QTextEdit>(chart, "RTB");
        const QString expected =
            chartTitleFor(QStringLiteral("Ann Lee")) +
            QStringLiteral("\n\n"
                           "Path: 10\n%1\n\nSoul: 6\n%2\n\nKnowledge: 5\n%3"
                           "\n\nGift: 4\n%4\n\nKarma: 8\n%5")
                .arg(text(PathTexts[10]), text(SoulTexts[6]), text(DestinyTexts[5]),
                     text(GiftTexts[4]), text(KarmaTexts[8]));
        QCOMPARE(rtb->toPlainText(), expected);
        QCOMPARE(rtb->textCursor().position(), rtb->document()->characterCount() - 1);

        // Each heading line carries its section's colour and size, everything in bold.
        struct Look {
            QString start;
            QColor colour;
            double size;
        };
        const Look looks[] = {{chartTitleFor(QString()), QColor(0, 0, 0), 12},
                              {"Path: ", QColor(128, 0, 128), 10},
                              {"Soul: ", QColor(0, 0, 128), 10},
                              {"Knowledge: ", QColor(0, 128, 0), 10},
                              {"Gift: ", QColor(255, 0, 0), 10},
                              {"Karma: ", QColor(128, 0, 0), 10}};
        for (const Look& look : looks) {
            QTextBlock block = rtb->document()->begin();
            while (block.isValid() && !block.text().startsWith(look.start))
                block = block.next();
            QVERIFY2(block.isValid(), qPrintable(look.start));
            for (QTextBlock b = block; b != block.next().next(); b = b.next()) {
                for (auto it = b.begin(); !it.atEnd(); ++it) {
                    const QTextCharFormat format = it.fragment().charFormat();
                    QCOMPARE(format.foreground().color(), look.colour);
                    QCOMPARE(format.fontPointSize(), look.size);
                    QCOMPARE(format.fontWeight(), int(QFont::Bold));
                }
            }
        }
    }

    void giftZeroHidesTheGiftRow_data()
    {
        QTest::addColumn<int>("year");
        QTest::newRow("1900") << 1900;
        QTest::newRow("2000") << 2000;
    }
    void giftZeroHidesTheGiftRow()
    {
        QFETCH(int, year);
        frmCorvaneNumerology* chart = Reading(QStringLiteral("Ann"), 1, 1, year);
        QVERIFY(!child<QLabel>(chart, "lblLabel_4")->isVisible());
        QVERIFY(!child<QLabel>(chart, "lblLabel_5")->isVisible());
        QVERIFY(!result(chart, 2)->isVisible());
        const QString reading = child<QTextEdit>(chart, "RTB")->toPlainText();
        QVERIFY(!reading.contains("Gift: "));
        QVERIFY(reading.contains(text(DestinyTexts[Chart.Knowledge]) + "\n\n\n\nKarma: 1"));
    }

    void backGivesAFreshMainWindowAndAFreshChart()
    {
        frmCorvaneNumerology* chart = Reading(QStringLiteral("First Person"), 1, 1, 2000);
        QTest::mouseClick(child<QPushButton>(chart, "cmdBack"), Qt::LeftButton);
        flushDeletes();
        QVERIFY(!frmCorvaneNumerology::isLoaded());
        QVERIFY(frmMain::isLoaded());
        frmMain* main = frmMain::instance();
        QVERIFY(main->isVisible());
        QVERIFY(child<QLineEdit>(main, "txtName")->text().isEmpty());
        QCOMPARE(child<QComboBox>(main, "cboDate")->currentText(), QStringLiteral("1"));
        QCOMPARE(child<QComboBox>(main, "cboMonth")->currentText(), QStringLiteral("January"));
        QCOMPARE(child<QComboBox>(main, "cboYear")->currentText(), QStringLiteral("1900"));

        chart = Reading(QStringLiteral("Second"), 15, 8, 1985);
        QVERIFY(child<QLabel>(chart, "lblLabel_4")->isVisible());
        QCOMPARE(Label(chart, 5), QStringLiteral("4"));
        QVERIFY(result(chart, 2)->isVisible());
        const QString reading = child<QTextEdit>(chart, "RTB")->toPlainText();
        QVERIFY(!reading.contains("First Person"));
        QVERIFY(reading.startsWith(chartTitleFor(QStringLiteral("Second")) + "\n"));
    }

    void menuBackIsTheSameAsTheButton()
    {
        frmCorvaneNumerology* chart = Reading(QStringLiteral("Ann"), 5, 6, 1999);
        child<QAction>(chart, "mnuBack")->trigger();
        flushDeletes();
        QVERIFY(!frmCorvaneNumerology::isLoaded());
        QVERIFY(frmMain::isLoaded() && frmMain::instance()->isVisible());
    }

    void pagesSwitch()
    {
        frmCorvaneNumerology* chart = Reading(QStringLiteral("Ann"), 5, 6, 1999);
        QTest::mouseClick(child<QPushButton>(chart, "cmdComprehensive"), Qt::LeftButton);
        QCOMPARE(frontPage(chart), QStringLiteral("Frame2"));
        QTest::mouseClick(child<QPushButton>(chart, "cmdBackToBack"), Qt::LeftButton);
        QCOMPARE(frontPage(chart), QStringLiteral("Frame1"));
        QVERIFY(frmCorvaneNumerology::isLoaded() && chart->isVisible());
    }

    void exitLeadsToTheFarewellWindow()
    {
        frmCorvaneNumerology* chart = Reading(QStringLiteral("Ann"), 5, 6, 1999);
        QTest::mouseClick(child<QPushButton>(chart, "cmdExit"), Qt::LeftButton);
        QVERIFY(!frmCorvaneNumerology::isLoaded());
        QVERIFY(!frmMain::isLoaded());
        QVERIFY(frmNagScreen2::instance()->isVisible());
    }

    // The title keeps to its one line above the Path row, inside the page, and shows the
    // whole name; only a name too long for any readable size is shortened, with the whole
    // title as its tool tip.
    void titleShowsTheWholeName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("whole");
        QTest::newRow("short") << "Al" << true;
        QTest::newRow("60 characters with blanks")
            << "Maximiliana Alexandrina Konstantinopoulou Fitzgerald-Smythe" << true;
        QTest::newRow("60 characters without blanks") << QString(60, QLatin1Char('W')) << true;
        QTest::newRow("300 characters") << QString(300, QLatin1Char('W')) << false;
    }
    void titleShowsTheWholeName()
    {
        QFETCH(QString, name);
        QFETCH(bool, whole);
        frmCorvaneNumerology* chart = Reading(name, 5, 6, 1999);
        auto* caption = child<QLabel>(chart, "lblCaption");
        const QString title = chartTitleFor(name);
        QCOMPARE(caption->text() == title, whole);
        QCOMPARE(caption->toolTip(), whole ? QString() : title);
        QVERIFY(caption->text().startsWith(title.left(37))); // never cut at its start
        QVERIFY(caption->sizeHint().width() <= caption->width());
        QVERIFY(caption->sizeHint().height() <= caption->height());
        QVERIFY(child<QGroupBox>(chart, "Frame1")->rect().contains(caption->geometry()));
        for (const char* row : {"lblLabel_8", "lblLabel_9"})
            QVERIFY2(!caption->geometry().intersects(child<QLabel>(chart, row)->geometry()), row);
        if (name == "Al") {
            QCOMPARE(caption->x(), 245); // a short title keeps its designed place and size
            QCOMPARE(caption->font().pixelSize(), 15);
        }
    }

    void menusAndLinksOpenTheirPages_data() { addWebControlRows("Label14"); }
    void menusAndLinksOpenTheirPages()
    {
        QFETCH(QString, control);
        QFETCH(QString, key);
        frmCorvaneNumerology* chart = Reading(QStringLiteral("Ann"), 5, 6, 1999);
        ScriptedPlatform platform;
        activate(chart, control);
        QCOMPARE(platform.urls.opened, QStringList{Page + key});
        QVERIFY(chart->isVisible());
    }

    void menuCaptionsAndOrder()
    {
        QCOMPARE(menuLayout(Reading(QStringLiteral("Ann"), 5, 6, 1999)),
                 QStringList({"&File", "  &Print", "  &Back", "  -", "  E&xit", "&Help",
                              "  &Online Help", "  &Visit Us Online", "  -",
                              "  Check for Software &Update", "  -", "  &About Software", "&Donate",
                              "Make Money &Online"}));
    }

    // The focus starts on Exit and reaches the paragraphs in the order Path, Karma,
    // Knowledge, Gift, Soul, then the reading view and its Back.
    void keyboardOrder()
    {
        frmCorvaneNumerology* chart = Reading(QStringLiteral("Ann"), 15, 8, 1985);
        QVERIFY(QTest::qWaitForWindowActive(chart));
        QCOMPARE(tabWalk(10), QStringList({"cmdExit", "cmdBack", "cmdComprehensive", "txtResult_0",
                                           "txtResult_4", "txtResult_3", "txtResult_2",
                                           "txtResult_1", "RTB", "cmdBackToBack", "cmdExit"}));
    }

    void printAndMakeMoneyAreGreyed()
    {
        frmCorvaneNumerology* chart = Reading(QStringLiteral("Ann"), 5, 6, 1999);
        QVERIFY(!child<QAction>(chart, "mnuPrint")->isEnabled());
        QVERIFY(!child<QAction>(chart, "mnuMakeMoney")->isEnabled());
    }

    void aboutIsModal()
    {
        frmCorvaneNumerology* chart = Reading(QStringLiteral("Ann"), 5, 6, 1999);
        QVERIFY(opensAboutModally<frmAbout>(chart));
        QVERIFY(chart->isVisible());
    }

    void clipboardIsClearedByTheReadingViews_data()
    {
        QTest::addColumn<QString>("view");
        QTest::addColumn<QString>("action");
        for (const char* view : {"RTB", "txtResult_0", "txtResult_4"})
            for (const char* action : {"press", "release", "move", "click"})
                QTest::addRow("%s %s", view, action) << view << action;
    }
    void clipboardIsClearedByTheReadingViews()
    {
        QFETCH(QString, view);
        QFETCH(QString, action);
        frmCorvaneNumerology* chart = Reading(QStringLiteral("Ann"), 5, 6, 1999);
        if (view == "RTB")
            chart->showReadingPage();
        QWidget* viewport = child<QAbstractScrollArea>(chart, qPrintable(view))->viewport();
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->setText(QStringLiteral("copied reading"));
        QCOMPARE(clipboard->text(), QStringLiteral("copied reading"));
        const QPoint at(10, 10);
        if (action == "press")
            QTest::mousePress(viewport, Qt::LeftButton, {}, at);
        else if (action == "release")
            QTest::mouseRelease(viewport, Qt::LeftButton, {}, at);
        else if (action == "move")
            QTest::mouseMove(viewport, at);
        else
            QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
        QVERIFY(clipboard->text().isEmpty());
    }

    // Emptying is a trip to the display server: a move with nothing copied since the last one
    // empties nothing, and anything copied meanwhile is gone at the next move.
    void clipboardIsEmptiedOnlyWhenItHoldsSomething()
    {
        frmCorvaneNumerology* chart = Reading(QStringLiteral("Ann"), 5, 6, 1999);
        QWidget* viewport = child<QAbstractScrollArea>(chart, "txtResult_1")->viewport();
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->setText(QStringLiteral("copied reading"));
        QSignalSpy changes(clipboard, &QClipboard::changed);
        QTest::mouseMove(viewport, QPoint(10, 10));
        QVERIFY(clipboard->text().isEmpty());
        QVERIFY(!changes.isEmpty()); // it was emptied
        changes.clear();
        for (int x = 11; x < 40; ++x)
            QTest::mouseMove(viewport, QPoint(x, 10));
        QCOMPARE(changes.size(), 0);

        clipboard->setText(QStringLiteral("copied again"), QClipboard::Clipboard);
        changes.clear();
        QTest::mouseMove(viewport, QPoint(12, 12));
        QVERIFY(clipboard->text().isEmpty());
        QCOMPARE(changes.size(), 1); // the clipboard only: the selection held nothing new
    }

    void preparingAChartClearsTheClipboard()
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("something else"));
        Reading(QStringLiteral("Ann"), 5, 6, 1999);
        QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
    }
};

HCN_TEST_MAIN(TestChartWindow)
#include "test_chart_window.moc"
