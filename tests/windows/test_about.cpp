#include "Identity.h"
#include "ScriptedPlatform.h"
#include "TestEnvironment.h"
#include "WindowTesting.h"
#include "frmAbout.h"
#include "frmCorvaneNumerology.h"
#include "frmMain.h"

#include <QLabel>
#include <QPushButton>
#include <QWindow>
#include <QtTest>

namespace {
const QString Page = QString::fromUtf8(Identity::PageScriptAddress) + QStringLiteral("?page=");
}

class TestAbout : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { closeAllWindows(); }

    void designedState()
    {
        frmAbout* about = frmAbout::instance();
        QCOMPARE(about->windowTitle(), designedWindowTitle());
        QCOMPARE(about->size(), QSize(466, 219));
        QCOMPARE(child<QLabel>(about, "Label2")->text(), designedWindowTitle());
        auto* ok = child<QPushButton>(about, "cmdOK");
        QVERIFY(ok->isDefault());
        QCOMPARE(about->focusWidget(), ok);
        for (const char* link : {"lblHomePage", "lblCoBrand"})
            QCOMPARE(child<QLabel>(about, link)->cursor().shape(), Qt::PointingHandCursor);
        // Every caption fits its label in the designed size.
        for (const char* name : {"Label2", "lblHomePage", "lblCoBrand"}) {
            auto* label = child<QLabel>(about, name);
            QVERIFY2(label->sizeHint().width() <= label->width(), name);
        }
    }

    void closesWithEachKey_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Escape") << int(Qt::Key_Escape);
        QTest::newRow("Enter") << int(Qt::Key_Return);
    }
    void closesWithEachKey()
    {
        QFETCH(int, key);
        bool wasModal = false;
        const auto inModalLoop = whenModal([&] {
            frmAbout* about = frmAbout::instance();
            wasModal = QApplication::activeModalWidget() == about;
            QTest::keyClick(about->focusWidget(), Qt::Key(key));
        });
        frmAbout::showModal(nullptr); // returns only once the window has closed
        QVERIFY(wasModal);
        flushDeletes();
        QVERIFY(!frmAbout::isLoaded());
    }

    void okButtonCloses()
    {
        const auto inModalLoop = whenModal([] {
            QTest::mouseClick(child<QPushButton>(frmAbout::instance(), "cmdOK"), Qt::LeftButton);
        });
        frmAbout::showModal(nullptr);
        flushDeletes();
        QVERIFY(!frmAbout::isLoaded());
    }

    // Its opener is its transient parent, so that a compositor that places windows itself puts
    // it over the opener; the slot still owns it and forgets it when it closes.
    void opensOverTheWindowThatOpensIt_data()
    {
        QTest::addColumn<QString>("opener");
        QTest::newRow("main window") << QString("frmMain");
        QTest::newRow("chart window") << QString("frmCorvaneNumerology");
    }
    void opensOverTheWindowThatOpensIt()
    {
        QFETCH(QString, opener);
        QWidget* window = opener == "frmMain" ? static_cast<QWidget*>(frmMain::instance())
                                              : frmCorvaneNumerology::instance();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        bool wasModal = false;
        QWindow* transientParent = nullptr;
        const auto inModalLoop = whenModal([&] {
            frmAbout* about = frmAbout::instance();
            wasModal = QApplication::activeModalWidget() == about;
            transientParent = about->windowHandle()->transientParent();
            about->close();
        });
        child<QAction>(window, "mnuAbout")->trigger();
        QVERIFY(wasModal);
        QCOMPARE(transientParent, window->windowHandle());
        QVERIFY(!frmAbout::isLoaded());
        flushDeletes();
        QVERIFY(window->isVisible());
    }

    void linksOpenTheirPagesAndStayOpen_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("key");
        QTest::newRow("home page") << QString("lblHomePage") << QString("home-page");
        QTest::newRow("details") << QString("lblCoBrand") << QString("fully-branded");
    }
    void linksOpenTheirPagesAndStayOpen()
    {
        QFETCH(QString, label);
        QFETCH(QString, key);
        ScriptedPlatform platform;
        frmAbout* about = frmAbout::instance();
        about->show();
        QTest::mouseClick(child<QLabel>(about, qPrintable(label)), Qt::LeftButton);
        QCOMPARE(platform.urls.opened, QStringList{Page + key});
        flushDeletes();
        QVERIFY(frmAbout::isLoaded() && about->isVisible());
    }
};

HCN_TEST_MAIN(TestAbout)
#include "test_about.moc"
