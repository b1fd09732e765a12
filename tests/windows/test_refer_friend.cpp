#include "Identity.h"
#include "Platform.h"
#include "ScriptedPlatform.h"
#include "TestEnvironment.h"
#include "WindowTesting.h"
#include "frmNagScreen2.h"
#include "modTellAFriend.h"

#include <QClipboard>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrlQuery>

namespace {

const QString Script = QString::fromUtf8(Identity::PageScriptAddress);
// The build accepts only a page script named ".../halden-free-corvane-numerology/ssd.php".
const QString Folder = Script.chopped(QLatin1String("ssd.php").size());

// The form's fields in the order of the values they send, taf1 to taf5.
const char* const SentFields[] = {"txtName", "txtEmail", "txtMessage", "txtFriendName",
                                  "txtFriendEmail"};

// A field's text as the user sees it: the message field shows its line ends as "\n".
QString shownText(QWidget* field)
{
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        return edit->text();
    return qobject_cast<QPlainTextEdit*>(field)->toPlainText();
}

void setText(QWidget* field, const QString& text)
{
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->setText(text);
    else
        qobject_cast<QPlainTextEdit*>(field)->setPlainText(text);
}

QStringList texts(QWidget* farewell)
{
    QStringList texts;
    for (const char* name : SentFields)
        texts << shownText(child<QWidget>(farewell, name));
    return texts;
}

// The table columns shared by the window's and the module's submit tests: the five values in
// SentFields order, then the expected complaint, or none and the values the page receives.
void addFormColumns()
{
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("complaint");
    QTest::addColumn<QStringList>("sent");
}

void rejected(const char* row, const QStringList& values, const char* complaint)
{
    QTest::newRow(row) << values << QString::fromLatin1(complaint) << QStringList();
}

void sent(const char* row, const QStringList& values, const QStringList& sent)
{
    QTest::newRow(row) << values << QString() << sent;
}

// The one address opened must be the one the module built, untouched on the way, and hand
// the page exactly the seven expected values.
void checkOpenedAddress(const ScriptedPlatform& platform, const QStringList& sent)
{
    QCOMPARE(platform.urls.openedUrls.size(), 1);
    const QUrl& url = platform.urls.openedUrls.constFirst();
    QCOMPARE(QString::fromLatin1(url.toEncoded()), modTellAFriend::strReferAddress);
    QCOMPARE(url.adjusted(QUrl::RemoveQuery).toString(), Script);
    QList<std::pair<QString, QString>> expected{{"page", "vesk-refer-a-friend"}};
    for (int i = 0; i < sent.size(); ++i)
        expected.append({QStringLiteral("taf%1").arg(i + 1), sent.at(i)});
    expected.append({"taf6", Folder});
    QCOMPARE(QUrlQuery(url).queryItems(QUrl::FullyDecoded), expected);
}

void checkComplaint(const ScriptedPlatform& platform, const QString& complaint)
{
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages.constFirst().text, complaint);
    QCOMPARE(platform.messages.constFirst().icon, Platform::Icon::Critical);
    QVERIFY(platform.urls.openedUrls.isEmpty());
}

// No complaint: the address was opened with the values sent; otherwise the complaint alone.
void checkOutcome(const ScriptedPlatform& platform, const QString& complaint,
                  const QStringList& sent)
{
    if (complaint.isEmpty()) {
        QVERIFY(platform.messages.isEmpty());
        checkOpenedAddress(platform, sent);
    } else {
        checkComplaint(platform, complaint);
    }
}

// Records the focus events a widget receives, with their reasons.
class FocusSpy : public QObject {
public:
    explicit FocusSpy(QWidget* widget) { widget->installEventFilter(this); }
    QList<std::pair<QEvent::Type, Qt::FocusReason>> events;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
            events.append({event->type(), static_cast<QFocusEvent*>(event)->reason()});
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

class TestReferFriend : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { closeAllWindows(); }

    void submitChecksTheFormThenOpensThePage_data()
    {
        addFormColumns();
        const char* distinct = "Please Enter Distinct Email Addresses";
        const char* proper = "Please Enter Proper Email Address";
        // E-mail checks come first; each row below also fails every later check.
        rejected("both e-mails empty", {"", "", "", "", ""}, distinct);
        rejected("e-mails equal once trimmed", {"Ann", " ann@x.org", "Hi", "Bob", "ann@x.org  "},
                 distinct);
        rejected("untouched form",
                 {"Your Name", "Your Email Address", "Your Message\n", "Friend's Name",
                  "Friend's Email Address"},
                 proper);
        rejected("own e-mail without @", {"", "ann.x.org", "", "", "bob@y.net"}, proper);
        rejected("friend's e-mail without @", {"", "ann@x.org", "", "", "bob.y.net"}, proper);
        rejected("own e-mail without a dot", {"", "ann@x", "", "", "bob@y.net"}, proper);
        rejected("friend's e-mail without a dot", {"", "ann@x.org", "", "", "bob@y"}, proper);
        rejected("name left at its placeholder",
                 {"Your Name", "ann@x.org", "", "Friend's Name", "bob@y.net"},
                 "Please Enter Your Name");
        rejected("name is its placeholder within blanks",
                 {"  Your Name ", "ann@x.org", "Hi", "Bob", "bob@y.net"}, "Please Enter Your Name");
        rejected("name is blanks", {"   ", "ann@x.org", "Hi", "Bob", "bob@y.net"},
                 "Please Enter Your Name");
        rejected("message emptied", {"Ann", "ann@x.org", "", "", "bob@y.net"},
                 "Please Enter Your Message");
        rejected("message is its placeholder without line break",
                 {"Ann", "ann@x.org", "Your Message", "Friend's Name", "bob@y.net"},
                 "Please Enter Your Message");
        rejected("message is blanks", {"Ann", "ann@x.org", "   ", "Bob", "bob@y.net"},
                 "Please Enter Your Message");
        rejected("friend's name left at its placeholder",
                 {"Ann", "ann@x.org", "Hi", "Friend's Name", "bob@y.net"},
                 "Please Enter Your Friend's Name");
        rejected("friend's name is blanks", {"Ann", "ann@x.org", "Hi", "  ", "bob@y.net"},
                 "Please Enter Your Friend's Name");

        sent("e-mails differing only in case", {"Ann", "Ann@X.org", "Hi", "Bob", "ann@x.org"},
             {"Ann", "Ann@X.org", "Hi", "Bob", "ann@x.org"});
        sent("dot and at alone, in either order", {"Ann", ".@", "Hi", "Bob", "@."},
             {"Ann", ".@", "Hi", "Bob", "@."});
        sent("blanks around the values are not sent",
             {"  Ann  ", " ann@x.org ", "  Hi  ", " Bob", "bob@y.net  "},
             {"Ann", "ann@x.org", "Hi", "Bob", "bob@y.net"});
        sent("untouched message", {"Ann", "ann@x.org", "Your Message\n", "Bob", "bob@y.net"},
             {"Ann", "ann@x.org", "Your Message\r\n", "Bob", "bob@y.net"});
        sent("query delimiters in the values",
             {"Ann & Bob", "a+b=c@x.org", "#1 & #2\n= 3?", "Bob=Al#2", "b&b@y.net"},
             {"Ann & Bob", "a+b=c@x.org", "#1 & #2\r\n= 3?", "Bob=Al#2", "b&b@y.net"});
        sent("percent signs, spaces and accents",
             {"José Ñandú", "100%@x.org", "50% off %41 and %2B\n\nsee you", "Zoë + Ann",
              "%41@y.net"},
             {"José Ñandú", "100%@x.org", "50% off %41 and %2B\r\n\r\nsee you", "Zoë + Ann",
              "%41@y.net"});
    }
    void submitChecksTheFormThenOpensThePage()
    {
        QFETCH(QStringList, values);
        QFETCH(QString, complaint);
        QFETCH(QStringList, sent);
        ScriptedPlatform platform;
        if (!complaint.isEmpty())
            platform.answerNext(Platform::Answer::Ok);
        frmNagScreen2* farewell = shownFarewell<frmNagScreen2>();
        for (int i = 0; i < values.size(); ++i)
            setText(child<QWidget>(farewell, SentFields[i]), values.at(i));
        auto* submit = child<QPushButton>(farewell, "cmdSubmit");

        QTest::mouseClick(submit, Qt::LeftButton);

        QCOMPARE(texts(farewell), values);
        QCOMPARE(QApplication::focusWidget(), submit);
        QVERIFY(farewell->isVisible());
        checkOutcome(platform, complaint, sent);
    }

    void eachSubmitOpensOneMoreAddress()
    {
        ScriptedPlatform platform;
        frmNagScreen2* farewell = shownFarewell<frmNagScreen2>();
        QStringList values = {"Ann", "ann@x.org", "Hi", "Bob", "bob@y.net"};
        for (int i = 0; i < values.size(); ++i)
            setText(child<QWidget>(farewell, SentFields[i]), values.at(i));
        auto* submit = child<QPushButton>(farewell, "cmdSubmit");
        QTest::mouseClick(submit, Qt::LeftButton);
        values[0] = QStringLiteral("Cy");
        child<QLineEdit>(farewell, "txtName")->setText(values.at(0));
        QTest::keyClick(submit, Qt::Key_Space);

        const QList<QUrl>& opened = platform.urls.openedUrls;
        QCOMPARE(opened.size(), 2);
        QCOMPARE(QUrlQuery(opened.at(0)).queryItemValue("taf1", QUrl::FullyDecoded), "Ann");
        QCOMPARE(QUrlQuery(opened.at(1)).queryItemValue("taf1", QUrl::FullyDecoded), "Cy");
        QCOMPARE(texts(farewell), values);
        QVERIFY(farewell->isVisible());
        QCOMPARE(platform.endCount, 0);
    }

    // Values the window never lets through (its e-mail checks reject them first), given to
    // the module directly.
    void submitReferralChecksEveryValue_data()
    {
        addFormColumns();
        const char* own = "Please Enter Your Email";
        const char* friends = "Please Enter Your Friend's Email";
        rejected("everything empty", {"", "", "", "", ""}, "Please Enter Your Name");
        rejected("own e-mail empty", {"Ann", "", "", "", ""}, own);
        rejected("own e-mail is blanks", {"Ann", "   ", "Hi", "Bob", "bob@y.net"}, own);
        rejected("own e-mail at its placeholder",
                 {"Ann", "Your Email Address", "Hi", "Bob", "bob@y.net"}, own);
        rejected("own e-mail is its placeholder within blanks",
                 {"Ann", " Your Email Address  ", "Hi", "Bob", "bob@y.net"}, own);
        rejected("friend's e-mail empty", {"Ann", "ann@x.org", "Hi", "Bob", ""}, friends);
        rejected("friend's e-mail at its placeholder",
                 {"Ann", "ann@x.org", "Hi", "Bob", "Friend's Email Address"}, friends);
        rejected("friend's e-mail is its placeholder within blanks",
                 {"Ann", "ann@x.org", "Hi", "Bob", "  Friend's Email Address "}, friends);
        sent("values are sent as stored", {" Ann", "a", "Hi\r\n", "Bob ", "b"},
             {" Ann", "a", "Hi\r\n", "Bob ", "b"});
    }
    void submitReferralChecksEveryValue()
    {
        QFETCH(QStringList, values);
        QFETCH(QString, complaint);
        QFETCH(QStringList, sent);
        ScriptedPlatform platform;
        if (!complaint.isEmpty())
            platform.answerNext(Platform::Answer::Ok);
        using namespace modTellAFriend;
        QString* stored[] = {&strReferName, &strReferEmail, &strReferMessage, &strReferFriendName,
                             &strReferFriendEmail};
        for (int i = 0; i < values.size(); ++i)
            *stored[i] = values.at(i);

        modTellAFriend::SubmitReferral();

        checkOutcome(platform, complaint, sent);
    }

    void placeholderRulesOnFocusMoves_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("entering"); // else the focus leaves the field by Tab
        QTest::addColumn<QString>("expected");
        const std::pair<const char*, const char*> placeholders[] = {
            {"txtName", "Your Name"},
            {"txtEmail", "Your Email Address"},
            {"txtMessage", "Your Message"},
            {"txtFriendName", "Friend's Name"},
            {"txtFriendEmail", "Friend's Email Address"}};
        for (const auto& [field, placeholder] : placeholders) {
            QTest::addRow("%s: placeholder within blanks emptied on entering", field)
                << field << QStringLiteral("  %1 ").arg(QString::fromUtf8(placeholder)) << true
                << "";
            QTest::addRow("%s: blanks restored on leaving", field)
                << field << "   " << false << placeholder;
        }
        QTest::newRow("placeholder in other case kept on entering")
            << "txtName"
            << "your name" << true << "your name";
        QTest::newRow("longer text kept on entering")
            << "txtFriendName"
            << "Friend's Names" << true << "Friend's Names";
        QTest::newRow("emptied field restored on leaving") << "txtEmail"
                                                           << "" << false << "Your Email Address";
        QTest::newRow("text kept on leaving, blanks and all") << "txtName"
                                                              << " Ann " << false << " Ann ";
        QTest::newRow("untouched message kept on entering") << "txtMessage"
                                                            << "Your Message\n"
                                                            << true << "Your Message\n";
        QTest::newRow("restored message emptied on entering") << "txtMessage"
                                                              << "Your Message" << true << "";
        QTest::newRow("emptied message restored without line break")
            << "txtMessage"
            << "" << false << "Your Message";
        QTest::newRow("line break alone is no blank") << "txtMessage"
                                                      << "\n"
                                                      << false << "\n";
    }
    void placeholderRulesOnFocusMoves()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(bool, entering);
        QFETCH(QString, expected);
        frmNagScreen2* farewell = shownFarewell<frmNagScreen2>();
        auto* widget = child<QWidget>(farewell, qPrintable(field));
        if (entering) {
            setText(widget, text);
            widget->setFocus(Qt::TabFocusReason);
        } else {
            widget->setFocus(Qt::TabFocusReason);
            setText(widget, text);
            QTest::keyClick(widget, Qt::Key_Tab);
            QVERIFY(!widget->hasFocus());
        }
        QCOMPARE(shownText(widget), expected);
    }

    // The focus that leaves and comes back with the whole window is no move between fields:
    // neither the emptied field is refilled, nor the placeholder typed back emptied.
    void windowFocusChangesLeaveFieldsAlone_data()
    {
        QTest::addColumn<bool>("popup"); // else another window becomes active
        QTest::newRow("another window") << false;
        QTest::newRow("popup menu") << true;
    }
    void windowFocusChangesLeaveFieldsAlone()
    {
        QFETCH(bool, popup);
        frmNagScreen2* farewell = shownFarewell<frmNagScreen2>();
        auto* name = child<QLineEdit>(farewell, "txtName");
        name->setFocus(Qt::MouseFocusReason);
        QCOMPARE(name->text(), QString());
        FocusSpy spy(name);
        const Qt::FocusReason reason = popup ? Qt::PopupFocusReason : Qt::ActiveWindowFocusReason;

        QWidget other;
        QMenu menu;
        menu.addAction(QStringLiteral("Copy"));
        if (popup) {
            menu.popup(name->mapToGlobal(QPoint(0, name->height())));
            QVERIFY(QTest::qWaitForWindowExposed(&menu));
        } else {
            other.show();
            other.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&other));
        }
        waitUntil([&] { return spy.events.contains({QEvent::FocusOut, reason}); });
        QVERIFY(spy.events.contains({QEvent::FocusOut, reason}));
        QCOMPARE(name->text(), QString());

        name->setText(QStringLiteral("Your Name"));
        if (popup) {
            menu.close();
        } else {
            farewell->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(farewell));
        }
        waitUntil([&] { return spy.events.contains({QEvent::FocusIn, reason}); });
        QVERIFY(spy.events.contains({QEvent::FocusIn, reason}));
        QVERIFY(name->hasFocus());
        QCOMPARE(name->text(), QStringLiteral("Your Name"));
    }

    void typedSpaceIsRefusedInEmailFields_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("before"); // typed into the emptied field before the space
        for (const char* field : {"txtEmail", "txtFriendEmail"}) {
            QTest::addRow("%s, empty", field) << field << "";
            QTest::addRow("%s, after some text", field) << field << "ann";
        }
    }
    void typedSpaceIsRefusedInEmailFields()
    {
        QFETCH(QString, field);
        QFETCH(QString, before);
        ScriptedPlatform platform;
        platform.answerNext(Platform::Answer::Ok);
        frmNagScreen2* farewell = shownFarewell<frmNagScreen2>();
        auto* edit = child<QLineEdit>(farewell, qPrintable(field));
        edit->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(edit, before);

        // A message box over the window takes the focus away with the window and gives it
        // back when it closes: the field must come through both unchanged.
        QString textWhileBoxUp = QStringLiteral("(no box)");
        const auto scripted = Platform::current().showMessage;
        Platform::current().showMessage = [&](const Platform::Message& message) {
            QFocusEvent leave(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
            QCoreApplication::sendEvent(edit, &leave);
            textWhileBoxUp = edit->text();
            QFocusEvent back(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
            QCoreApplication::sendEvent(edit, &back);
            return scripted(message);
        };
        QTest::keyClick(edit, Qt::Key_Space);

        QCOMPARE(platform.messages.size(), 1);
        QCOMPARE(platform.messages.constFirst().text,
                 QStringLiteral("Email Address Cannot Contain Space"));
        QCOMPARE(platform.messages.constFirst().icon, Platform::Icon::Critical);
        QCOMPARE(textWhileBoxUp, before);
        QCOMPARE(edit->text(), before);
        QCOMPARE(QApplication::focusWidget(), edit);
        QCOMPARE(edit->text(), before);
        QTest::keyClicks(edit, QStringLiteral("@x.org"));
        QCOMPARE(edit->text(), before + "@x.org");
        QCOMPARE(platform.messages.size(), 1);
    }

    void pastedSpacesPassInEmailFields_data()
    {
        QTest::addColumn<QString>("field");
        QTest::newRow("own e-mail") << "txtEmail";
        QTest::newRow("friend's e-mail") << "txtFriendEmail";
    }
    void pastedSpacesPassInEmailFields()
    {
        QFETCH(QString, field);
        ScriptedPlatform platform; // no message box is scripted: any would fail the test
        frmNagScreen2* farewell = shownFarewell<frmNagScreen2>();
        auto* edit = child<QLineEdit>(farewell, qPrintable(field));
        edit->setFocus(Qt::TabFocusReason);
        QGuiApplication::clipboard()->setText(QStringLiteral("a b@x.org"));
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit->text(), QStringLiteral("a b@x.org"));
        edit->setText(QStringLiteral("c d@y.org"));
        QCOMPARE(edit->text(), QStringLiteral("c d@y.org"));
        QVERIFY(platform.messages.isEmpty());
    }
};

HCN_TEST_MAIN(TestReferFriend)
#include "test_refer_friend.moc"
