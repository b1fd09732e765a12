#include "CoBrand.h"
#include "Identity.h"
#include "OfferFrame.h"
#include "ScriptedPlatform.h"
#include "TestEnvironment.h"
#include "modHelp.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QUrlQuery>
#include <QtTest>

using Launcher = void (*)();
Q_DECLARE_METATYPE(Launcher)

class TestLinks : public QObject {
    Q_OBJECT
private slots:
    // The compiled-in address is a whole, plain web address of the page script: nothing of
    // the build's quoting or escaping got into it.
    void addressIsAPlainPageScriptAddress()
    {
        const QUrl url(modHelp::PageScriptAddress(), QUrl::StrictMode);
        QVERIFY(url.isValid());
        QVERIFY(url.scheme() == "https" || url.scheme() == "http");
        QVERIFY(!url.host().isEmpty());
        QVERIFY(url.path().endsWith("/halden-free-corvane-numerology/ssd.php"));
        QVERIFY(!url.hasQuery() && !url.hasFragment());
        QCOMPARE(url.toString(QUrl::FullyEncoded), modHelp::PageScriptAddress());
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
        const QString address =
            QString::fromUtf8(Identity::PageScriptAddress) + QStringLiteral("?page=") + key;
        QCOMPARE(platform.urls.opened, QStringList{address});
        launcher(); // a second click is a second request, nothing is de-duplicated
        QCOMPARE(platform.urls.opened, QStringList({address, address}));
        const QUrl opened = platform.urls.openedUrls.constFirst();
        QCOMPARE(opened.adjusted(QUrl::RemoveQuery).toString(), modHelp::PageScriptAddress());
        QCOMPARE(QUrlQuery(opened).queryItems(),
                 (QList<std::pair<QString, QString>>{{"page", key}}));
    }

    // No browser behind the platform: the request is declined there, and the launcher still
    // returns at once with nothing shown (the seam fails the test on any message box).
    void launcherWithoutBrowserReturnsQuietly()
    {
        const QtMessageHandler previous =
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        QElapsedTimer clock;
        clock.start();
        modHelp::OpenHomePage();
        const qint64 elapsed = clock.elapsed();
        qInstallMessageHandler(previous);
        QVERIFY2(elapsed < timeLimitMs(1000), qPrintable(QString::number(elapsed)));
    }

    // The draw r gives 1 + floor(6r): odd puts the co-branding label (the first argument) in
    // front, even the full-branding one.
    void coBrandDrawPutsOneLabelInFront_data()
    {
        QTest::addColumn<double>("draw");
        QTest::addColumn<int>("number");
        const std::pair<double, int> rows[] = {{0.0, 1}, {0.1666, 1}, {0.1667, 2}, {0.34, 3},
                                               {0.5, 4}, {0.8, 5},    {0.8334, 6}, {0.9999, 6}};
        for (const auto& [draw, number] : rows)
            QTest::addRow("%.4f", draw) << draw << number;
    }
    void coBrandDrawPutsOneLabelInFront()
    {
        QFETCH(double, draw);
        QFETCH(int, number);
        ScriptedPlatform platform;
        platform.drawNext(draw);
        QWidget frame;
        frame.resize(200, 50);
        auto* fullBrand = new QLabel(QStringLiteral("full"), &frame);
        auto* cobrand = new QLabel(QStringLiteral("co"), &frame);
        for (QLabel* label : {fullBrand, cobrand})
            label->setGeometry(0, 0, 200, 50);
        (number % 2 == 1 ? fullBrand : cobrand)->raise(); // the draw must change the front
        CoBrand_Randomize(cobrand, fullBrand);
        QCOMPARE(int(intCoBrandRandomNumber), number);
        QCOMPARE(frame.childAt(100, 25), number % 2 == 1 ? cobrand : fullBrand);
    }
};

HCN_TEST_MAIN(TestLinks)
#include "test_links.moc"
