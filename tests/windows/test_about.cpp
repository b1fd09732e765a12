#include "ScriptedPlatform.h"
#include "TestEnvironment.h"
#include "WindowTesting.h"
#include "frmAbout.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {
const QString Page = QStringLiteral(HCN_EXPECTED_ADDRESS "?page=");
}

class TestAbout : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { closeAllWindows(); }

    void designedState()
    {
        frmAbout* about = frmAbout::instance();
        QCOMPARE(about->windowTitle(), QStringLiteral("Halden Corvane Numerology v1.25"));
        QCOMPARE(about->size(), QSize(466, 219));
        QCOMPARE(child<QLabel>(about, "Label2")->text(),
                 QStringLiteral("Halden Corvane Numerology v1.25"));
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
        frmAbout::showModal(); // returns only once the window has closed
        QVERIFY(wasModal);
        flushDeletes();
        QVERIFY(!frmAbout::isLoaded());
    }

    void okButtonCloses()
    {
        const auto inModalLoop = whenModal([] {
            QTest::mouseClick(child<QPushButton>(frmAbout::instance(), "cmdOK"), Qt::LeftButton);
        });
        frmAbout::showModal();
        flushDeletes();
        QVERIFY(!frmAbout::isLoaded());
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
