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
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

const QString Page = QString::fromUtf8(Identity::PageScriptAddress) + QStringLiteral("?page=");

frmMain* shownMainWindow()
{
    frmMain* main = frmMain::instance();
    main->show();
    main->activateWindow();
    if (!QTest::qWaitForWindowActive(main))
        qFatal("the main window did not become active");
    return main;
}

// Types the name and picks the date (as list texts) the way a user would; false when a list
// has no such item, for the caller to stop on.
[[nodiscard]] bool Enter(frmMain* main, const QString& name, const QString& day,
                         const QString& month, const QString& year)
{
    auto* txtName = child<QLineEdit>(main, "txtName");
    txtName->clear();
    QTest::keyClicks(txtName, name);
    for (auto [list, text] : {std::pair{"cboDate", day}, {"cboMonth", month}, {"cboYear", year}}) {
        auto* combo = child<QComboBox>(main, list);
        const int index = combo->findText(text);
        if (index < 0) {
            qWarning("no item %s in %s", qPrintable(text), list);
            return false;
        }
        combo->setCurrentIndex(index);
    }
    return true;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { closeAllWindows(); }

    void opensOnFirstDayWithEmptyName()
    {
        frmMain* main = shownMainWindow();
        QCOMPARE(main->windowTitle(), designedWindowTitle());
        QCOMPARE(main->centralWidget()->size(), QSize(482, 306));
        auto* days = child<QComboBox>(main, "cboDate");
        auto* months = child<QComboBox>(main, "cboMonth");
        auto* years = child<QComboBox>(main, "cboYear");
        QCOMPARE(days->count(), 31);
        QCOMPARE(months->count(), 12);
        QCOMPARE(years->count(), 151);
        QCOMPARE(days->itemText(30), QStringLiteral("31"));
        QCOMPARE(months->itemText(8), QStringLiteral("September"));
        QCOMPARE(years->itemText(150), QStringLiteral("2050"));
        QCOMPARE(days->currentText() + months->currentText() + years->currentText(),
                 QStringLiteral("1January1900"));
        for (QComboBox* list : {days, months, years})
            QVERIFY(!list->isEditable());
        QVERIFY(child<QLineEdit>(main, "txtName")->text().isEmpty());
        QCOMPARE(main->focusWidget(), child<QLineEdit>(main, "txtName"));
        // The import button and the birthday frame lie below the visible area.
        for (const char* hidden : {"cmdOpen", "fraBirthDay"})
            QVERIFY(child<QWidget>(main, hidden)->y() >= main->centralWidget()->height());
    }

    void keyboardOrder()
    {
        frmMain* main = shownMainWindow();
        QVERIFY(QTest::qWaitForWindowActive(main));
        child<QWidget>(main, "txtName")->setFocus();
        QCOMPARE(tabWalk(6), QStringList({"txtName", "cmdNext", "cmdOpen", "cboDate", "cboMonth",
                                          "cboYear", "txtName"}));
    }

    void validation_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("message"); // empty: the reading goes ahead
        QTest::addColumn<int>("icon");
        const char* noName = "Please Enter Your Name";
        const char* february = "Please Enter Correct Date Or Month!";
        const char* thirty = "Please Enter Correct Date Or Month !";
        const int stop = int(Platform::Icon::Critical);
        const int info = int(Platform::Icon::Information);
        struct Row {
            const char* label;
            const char* name;
            const char* day;
            const char* month;
            const char* year;
            const char* message;
            int icon;
        };
        const Row rows[] = {
            {"empty name", "", "1", "January", "1900", noName, stop},
            {"empty name, impossible date", "", "31", "April", "1985", noName, stop},
            {"blanks-only name", "   ", "1", "January", "1900", "", 0},
            {"29 Feb 1900 never existed", "Ann", "29", "February", "1900", february, info},
            {"29 Feb 1901", "Ann", "29", "February", "1901", february, info},
            {"29 Feb 2000", "Ann", "29", "February", "2000", "", 0},
            {"29 Feb 1904", "Ann", "29", "February", "1904", "", 0},
            {"30 Feb 2000", "Ann", "30", "February", "2000", february, info},
            {"31 Feb 2000", "Ann", "31", "February", "2000", february, info},
            {"31 April", "Ann", "31", "April", "1985", thirty, info},
            {"31 June", "Ann", "31", "June", "1985", thirty, info},
            {"31 September", "Ann", "31", "September", "1985", thirty, info},
            {"31 November", "Ann", "31", "November", "1985", thirty, info},
            {"30 April", "Ann", "30", "April", "1985", "", 0},
            {"31 May", "Ann", "31", "May", "1985", "", 0},
        };
        for (const Row& r : rows)
            QTest::newRow(r.label) << QString(r.name) << QString(r.day) << QString(r.month)
                                   << QString(r.year) << QString(r.message) << r.icon;
    }
    void validation()
    {
        QFETCH(QString, name);
        QFETCH(QString, day);
        QFETCH(QString, month);
        QFETCH(QString, year);
        QFETCH(QString, message);
        QFETCH(int, icon);
        ScriptedPlatform platform;
        frmMain* main = shownMainWindow();
        QVERIFY(Enter(main, name, day, month, year));
        if (!message.isEmpty())
            platform.answerNext(Platform::Answer::Ok);
        // Enter on the focused reading button, as a keyboard user asks for a reading.
        auto* cmdNext = child<QPushButton>(main, "cmdNext");
        cmdNext->setFocus();
        QTest::keyClick(cmdNext, Qt::Key_Return);
        flushDeletes();
        if (message.isEmpty()) {
            QVERIFY(platform.messages.isEmpty());
            QVERIFY(!frmMain::isLoaded());
            QVERIFY(frmCorvaneNumerology::isLoaded() &&
                    frmCorvaneNumerology::instance()->isVisible());
            return;
        }
        QCOMPARE(platform.messages.size(), 1);
        QCOMPARE(platform.messages[0].text, message);
        QCOMPARE(int(platform.messages[0].icon), icon);
        QCOMPARE(platform.messages[0].buttons, Platform::Buttons::Ok);
        QVERIFY(frmMain::isLoaded() && main->isVisible());
        QVERIFY(!frmCorvaneNumerology::isLoaded());
        // The name message sends the user to the name; a date message leaves the focus be.
        QCOMPARE(QApplication::focusWidget()->objectName(),
                 message == "Please Enter Your Name" ? "txtName" : "cmdNext");
        // The input stays as it was.
        QCOMPARE(child<QComboBox>(main, "cboDate")->currentText(), day);
        QCOMPARE(child<QComboBox>(main, "cboMonth")->currentText(), month);
    }

    void nameIsTrimmedOfBlanksOnly()
    {
        frmMain* main = shownMainWindow();
        QVERIFY(Enter(main, QString(), "15", "August", "1985"));
        child<QLineEdit>(main, "txtName")->setText(QStringLiteral("  Mary  Ann O'Neil \t "));
        QTest::mouseClick(child<QPushButton>(main, "cmdNext"), Qt::LeftButton);
        QCOMPARE(QString::fromStdString(modCorvaneNumerology::Chart.Name),
                 QStringLiteral("Mary  Ann O'Neil \t"));
        QCOMPARE(modCorvaneNumerology::Chart.Day, 15);
        QCOMPARE(modCorvaneNumerology::Chart.Month, 8);
        QCOMPARE(modCorvaneNumerology::Chart.Year, 1985);
    }

    void menusAndLinksOpenTheirPages_data() { addWebControlRows("Label61"); }
    void menusAndLinksOpenTheirPages()
    {
        QFETCH(QString, control);
        QFETCH(QString, key);
        ScriptedPlatform platform;
        frmMain* main = shownMainWindow();
        activate(main, control);
        QCOMPARE(platform.urls.opened, QStringList{Page + key});
        QVERIFY(main->isVisible());
    }

    void menuCaptionsAndOrder()
    {
        QCOMPARE(menuLayout(shownMainWindow()),
                 QStringList({"&File", "  E&xit", "&Help", "  &Online Help", "  &Visit Us Online",
                              "  -", "  &Check for Software Update", "  -", "  &About Software",
                              "&Donate", "Make Money &Online"}));
    }

    void makeMoneyIsGreyed()
    {
        QVERIFY(!child<QAction>(shownMainWindow(), "mnuMakeMoney")->isEnabled());
    }

    void aboutIsModal()
    {
        frmMain* main = shownMainWindow();
        QVERIFY(opensAboutModally<frmAbout>(main));
        QVERIFY(main->isVisible());
    }

    void exitLeadsToTheFarewellWindow()
    {
        frmMain* main = shownMainWindow();
        child<QAction>(main, "mnuExit")->trigger();
        QVERIFY(!frmMain::isLoaded());
        QVERIFY(frmNagScreen2::isLoaded() && frmNagScreen2::instance()->isVisible());
    }
};

HCN_TEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
