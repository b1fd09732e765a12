#include "Identity.h"
#include "ScriptedPlatform.h"
#include "TestEnvironment.h"
#include "WindowTesting.h"
#include "frmMain.h"
#include "frmNagScreen2.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const QString Page = QString::fromUtf8(Identity::PageScriptAddress) + QStringLiteral("?page=");

} // namespace

class TestFarewell : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { closeAllWindows(); }

    void designedState()
    {
        ScriptedPlatform platform;
        platform.drawNext(0.0); // the longest appeal
        frmNagScreen2* farewell = shownFarewell<frmNagScreen2>();
        const QString title = designedWindowTitle();
        QCOMPARE(farewell->windowTitle(), title);
        QCOMPARE(child<QLabel>(farewell, "lblNagScreen2Caption")->text(), title);
        QCOMPARE(farewell->size(), QSize(741, 315));
        QVERIFY(farewell->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!farewell->windowIcon().isNull());
        QVERIFY(!child<QLabel>(farewell, "picNagscreen2Icon")->pixmap().isNull());
        QCOMPARE(farewell->palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(child<QGroupBox>(farewell, "Frame6")->title(),
                 QStringLiteral("Download Quillmere Softwares"));
        QCOMPARE(child<QGroupBox>(farewell, "Frame2")->title(), QStringLiteral("Refer A Friend"));
        QCOMPARE(child<QCheckBox>(farewell, "Check1")->checkState(), Qt::Unchecked);
        QCOMPARE(child<QLabel>(farewell, "Label3")->text().size(), 615);
        for (const char* link : {"Check1", "lblGoToHome"})
            QCOMPARE(child<QWidget>(farewell, link)->cursor().shape(), Qt::PointingHandCursor);

        // The form starts on its placeholders; the message field lies below the frame's
        // visible area.
        const std::pair<const char*, const char*> fields[] = {
            {"txtName", "Your Name"},
            {"txtEmail", "Your Email Address"},
            {"txtFriendEmail", "Friend's Email Address"},
            {"txtFriendName", "Friend's Name"}};
        for (const auto& [name, placeholder] : fields)
            QCOMPARE(child<QLineEdit>(farewell, name)->text(), QString::fromLatin1(placeholder));
        auto* message = child<QPlainTextEdit>(farewell, "txtMessage");
        QCOMPARE(message->toPlainText(), QStringLiteral("Your Message\n"));
        QVERIFY(message->y() >= child<QGroupBox>(farewell, "Frame2")->height());
        QVERIFY(message->isEnabled());

        // Every caption fits where it stands, inside its frame, clear of its neighbours.
        for (const char* name : {"lblNagScreen2Caption", "lblGoToHome", "Label2", "Label3"}) {
            auto* label = child<QLabel>(farewell, name);
            if (label->wordWrap())
                QVERIFY2(label->heightForWidth(label->width()) <= label->height(), name);
            else
                QVERIFY2(label->sizeHint().width() <= label->width(), name);
            QVERIFY2(label->parentWidget()->rect().contains(label->geometry()), name);
        }
        const std::pair<const char*, const char*> neighbours[] = {
            {"lblNagScreen2Caption", "Frame6"},
            {"lblNagScreen2Caption", "Label2"},
            {"Label2", "Check1"},
            {"Label3", "lblGoToHome"}};
        for (const auto& [one, other] : neighbours)
            QVERIFY2(!child<QWidget>(farewell, one)
                          ->geometry()
                          .intersects(child<QWidget>(farewell, other)->geometry()),
                     one);
        auto* check = child<QCheckBox>(farewell, "Check1");
        QVERIFY(check->sizeHint().width() <= check->width());
    }

    void keyboardOrder()
    {
        shownFarewell<frmNagScreen2>();
        QCOMPARE(tabWalk(9), QStringList({"cmdClose", "Check1", "picNagscreen2Icon", "txtName",
                                          "cmdSubmit", "txtEmail", "txtFriendEmail",
                                          "txtFriendName", "txtMessage", "cmdClose"}));
    }

    void appealIsDrawnOncePerCreation_data()
    {
        QTest::addColumn<double>("draw");
        QTest::addColumn<int>("appeal");
        QTest::newRow("0") << 0.0 << 0;
        QTest::newRow("just below a quarter") << 0.2499 << 0;
        QTest::newRow("a quarter") << 0.25 << 1;
        QTest::newRow("a half") << 0.5 << 2;
        QTest::newRow("just below 1") << 0.9999 << 3;
    }
    void appealIsDrawnOncePerCreation()
    {
        QFETCH(double, draw);
        QFETCH(int, appeal);
        ScriptedPlatform platform;
        platform.drawNext(draw);
        frmNagScreen2* farewell = frmNagScreen2::instance();
        QCOMPARE(platform.seedCount, 1); // re-seeded from the clock first
        auto* label = child<QLabel>(farewell, "Label2");
        QCOMPARE(label->text(), QString::fromLatin1(SupportAppeal.at(std::size_t(appeal))));
        // Showing the window later keeps the appeal drawn at its creation.
        platform.drawNext(0.0);
        farewell->showFarewell();
        frmNagScreen2::instance();
        QCOMPARE(label->text(), QString::fromLatin1(SupportAppeal.at(std::size_t(appeal))));
        Platform::randomFraction(); // uses up the spare draw
    }

    void appealsHaveTheirLengths()
    {
        const int lengths[] = {227, 211, 160, 196};
        for (std::size_t i = 0; i < SupportAppeal.size(); ++i)
            QCOMPARE(int(std::strlen(SupportAppeal.at(i))), lengths[i]);
    }

    void endsFromTheKeyboard_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("focus"); // where the focus is when the key is pressed
        QTest::newRow("Enter right after showing") << int(Qt::Key_Return) << 0 << "cmdClose";
        QTest::newRow("Space right after showing") << int(Qt::Key_Space) << 0 << "cmdClose";
        QTest::newRow("Alt+X from the name field")
            << int(Qt::Key_X) << int(Qt::AltModifier) << "txtName";
        QTest::newRow("Alt+X from the link box")
            << int(Qt::Key_X) << int(Qt::AltModifier) << "Check1";
    }
    void endsFromTheKeyboard()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, focus);
        frmMain::instance()->show(); // another window, closed by the end as well
        ScriptedPlatform platform;
        frmNagScreen2* farewell = shownFarewell<frmNagScreen2>();
        child<QWidget>(farewell, qPrintable(focus))->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key),
                        Qt::KeyboardModifiers(modifiers));
        // An access key clicks the button after a moment.
        waitUntil([&] { return platform.endCount == 1; });
        QCOMPARE(platform.endCount, 1);
        QVERIFY(LoadedWindows::oldestFirst().isEmpty());
    }

    void check1OpensTheHomePageOncePerClick_data()
    {
        QTest::addColumn<bool>("keyboard");
        QTest::newRow("click") << false;
        QTest::newRow("Space") << true;
    }
    void check1OpensTheHomePageOncePerClick()
    {
        QFETCH(bool, keyboard);
        ScriptedPlatform platform;
        frmNagScreen2* farewell = shownFarewell<frmNagScreen2>();
        auto* check = child<QCheckBox>(farewell, "Check1");
        check->setFocus();
        for (int click = 1; click <= 2; ++click) {
            if (keyboard)
                QTest::keyClick(check, Qt::Key_Space);
            else
                QTest::mouseClick(check, Qt::LeftButton);
            QCOMPARE(platform.urls.opened, QStringList(click, Page + "home-page"));
            QCOMPARE(check->checkState(), Qt::Unchecked);
        }
        QVERIFY(farewell->isVisible());
        QCOMPARE(platform.endCount, 0);
    }

    void catalogueLinkOpensItsPage()
    {
        ScriptedPlatform platform;
        frmNagScreen2* farewell = shownFarewell<frmNagScreen2>();
        QTest::mouseClick(child<QLabel>(farewell, "lblGoToHome"), Qt::LeftButton);
        QCOMPARE(platform.urls.opened, QStringList{Page + "quillmeresoftwares"});
        QVERIFY(farewell->isVisible());
    }
};

HCN_TEST_MAIN(TestFarewell)
#include "test_farewell.moc"
