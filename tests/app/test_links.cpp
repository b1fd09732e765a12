#include "CoBrand.h"
#include "ScriptedPlatform.h"
#include "TestEnvironment.h"
#include "modHelp.h"

#include <QLabel>
#include <QtTest>

using Launcher = void (*)();
Q_DECLARE_METATYPE(Launcher)

class TestLinks : public QObject {
    Q_OBJECT
private slots:
    void addressIsTheConfiguredPageScript()
    {
        QCOMPARE(modHelp::PageScriptAddress(), QStringLiteral(HCN_EXPECTED_ADDRESS));
        QVERIFY(modHelp::PageScriptAddress().endsWith("/halden-free-corvane-numerology/ssd.php"));
    }

    void launcherOpensItsPageOnce_data()
    {
        QTest::addColumn<Launcher>("launcher");
        QTest::addColumn<QString>("key");
        QTest::newRow("home") << Launcher(modHelp::OpenHomePage) << "home-page";
        QTest::newRow("help") << Launcher(modHelp::OpenOnlineHelpPage) << "help-web-page";
        QTest::newRow("download") << Launcher(modHelp::OpenDownloadPage) << "download-web-page";
        QTest::newRow("donate") << Launcher(modHelp::OpenDonatePage) << "donate";
        QTest::newRow("co-brand") << Launcher(modHelp::OpenCoBrandPage) << "co-brand";
        QTest::newRow("full brand") << Launcher(modHelp::OpenFullBrandPage) << "fully-branded";
        QTest::newRow("catalogue") << Launcher(modHelp::OpenCataloguePage) << "quillmeresoftwares";
    }
    void launcherOpensItsPageOnce()
    {
        QFETCH(Launcher, launcher);
        QFETCH(QString, key);
        ScriptedPlatform platform;
        launcher();
        const QString address = QStringLiteral(HCN_EXPECTED_ADDRESS "?page=") + key;
        QCOMPARE(platform.urls.opened, QStringList{address});
        launcher(); // a second click is a second request, nothing is de-duplicated
        QCOMPARE(platform.urls.opened, QStringList({address, address}));
        QCOMPARE(address.count('?'), 1);
    }

    void launcherWithoutBrowserReturnsQuietly()
    {
        // No URL handler and no browser behind the offscreen platform: the request reaches
        // the platform, which declines, and the call still returns normally.
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("does not support .*openUrl.*page=home-page"));
        modHelp::OpenHomePage();
    }

    void coBrandDrawPutsOneLabelInFront()
    {
        ScriptedPlatform platform;
        QWidget frame;
        frame.resize(200, 50);
        auto* fullBrand = new QLabel(QStringLiteral("full"), &frame);
        auto* cobrand = new QLabel(QStringLiteral("co"), &frame);
        for (QLabel* label : {fullBrand, cobrand}) {
            label->setGeometry(0, 0, 200, 50);
            label->setAutoFillBackground(true);
        }
        int cobrandInFront = 0;
        constexpr int draws = 600;
        for (int i = 0; i < draws; ++i) {
            platform.clockSeed = unsigned(i);
            Platform::SeedRandomFromClock();
            CoBrand_Randomize(cobrand, fullBrand);
            QVERIFY(intCoBrandRandomNumber >= 1 && intCoBrandRandomNumber <= 6);
            QWidget* front = frame.childAt(100, 25);
            QCOMPARE(front, intCoBrandRandomNumber % 2 == 1 ? cobrand : fullBrand);
            cobrandInFront += front == cobrand;
        }
        QVERIFY2(cobrandInFront > draws * 4 / 10 && cobrandInFront < draws * 6 / 10,
                 qPrintable(QString::number(cobrandInFront)));
    }
};

HCN_TEST_MAIN(TestLinks)
#include "test_links.moc"
