#include "Identity.h"
#include "LinkLabel.h"
#include "ScriptedPlatform.h"
#include "TestEnvironment.h"
#include "WindowTesting.h"
#include "frmAbout.h"
#include "frmCorvaneNumerology.h"
#include "frmMain.h"
#include "frmNagScreen2.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTextEdit>
#include <QtTest>

namespace {

const QString Page = QString::fromUtf8(Identity::PageScriptAddress) + QStringLiteral("?page=");

// Stands for "the control's own caption" in the tables below.
const QString Caption = QStringLiteral("<caption>");

QWidget* loadWindow(const QString& window)
{
    if (window == QLatin1String("main"))
        return frmMain::instance();
    if (window == QLatin1String("chart"))
        return frmCorvaneNumerology::instance();
    if (window == QLatin1String("about"))
        return frmAbout::instance();
    if (window == QLatin1String("farewell"))
        return frmNagScreen2::instance();
    qFatal("no window %s", qPrintable(window));
}

QAccessibleInterface* accessible(QObject* object)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    if (!iface)
        qFatal("%s has no accessible interface", qPrintable(object->objectName()));
    return iface;
}

QString nameOf(QObject* object) { return accessible(object)->text(QAccessible::Name); }

// A button's caption as it reads: "E&xit" is "Exit", "&&" a single "&".
QString withoutMnemonic(QString caption)
{
    caption.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    caption.remove(u'&');
    return caption.replace(u'\x01', u'&');
}

// What a window shows as the caption of a control, if anything.
QString visibleCaption(QWidget* control)
{
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return withoutMnemonic(button->text());
    if (auto* link = qobject_cast<LinkLabel*>(control))
        return link->text();
    return QString();
}

// The controls a user works with: inputs, buttons, lists, links and text views.
QList<QWidget*> Controls(QWidget* window)
{
    QList<QWidget*> controls;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->objectName().startsWith(QLatin1String("qt_")))
            continue; // Qt's own parts, such as the menu bar's overflow button
        if (qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget) ||
            qobject_cast<QPlainTextEdit*>(widget) || qobject_cast<QTextEdit*>(widget) ||
            qobject_cast<QComboBox*>(widget) || qobject_cast<LinkLabel*>(widget))
            controls << widget;
    }
    return controls;
}

void addWindowRows()
{
    QTest::addColumn<QString>("window");
    for (const char* window : {"main", "chart", "about", "farewell"})
        QTest::newRow(window) << QString::fromLatin1(window);
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { closeAllWindows(); }

    void controlsHaveRoleAndName_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        struct Row {
            const char* window;
            const char* control;
            QAccessible::Role role;
            QString name;
        };
        const auto text = [](const char* name) { return QString::fromUtf8(name); };
        const Row rows[] = {
            {"main", "txtName", QAccessible::EditableText, text("Name")},
            {"main", "cmdNext", QAccessible::Button, text("Get My Corvane Numerology Reading")},
            {"main", "cmdOpen", QAccessible::Button, text("Open Previously Saved Reading")},
            {"main", "Label61", QAccessible::Link, Caption},
            {"main", "lblCobrand", QAccessible::Link, Caption},
            {"main", "lblFullBrand", QAccessible::Link, Caption},
            {"main", "lblLabel_1", QAccessible::StaticText, text("Date of Birth")},
            {"chart", "cmdExit", QAccessible::Button, text("Exit")},
            {"chart", "cmdBack", QAccessible::Button, text("Back")},
            {"chart", "cmdComprehensive", QAccessible::Button,
             text("Halden Corvane Numerology Comprehensive Reading")},
            {"chart", "cmdBackToBack", QAccessible::Button, text("Back to the numbers")},
            {"chart", "Label14", QAccessible::Link, Caption},
            {"chart", "lblCobrand", QAccessible::Link, Caption},
            {"chart", "lblFullBrand", QAccessible::Link, Caption},
            {"chart", "txtResult_0", QAccessible::EditableText, text("Path interpretation")},
            {"chart", "txtResult_1", QAccessible::EditableText, text("Soul interpretation")},
            {"chart", "txtResult_2", QAccessible::EditableText, text("Gift interpretation")},
            {"chart", "txtResult_3", QAccessible::EditableText, text("Knowledge interpretation")},
            {"chart", "txtResult_4", QAccessible::EditableText, text("Karma interpretation")},
            {"chart", "RTB", QAccessible::EditableText, text("Comprehensive reading")},
            {"chart", "lblLabel_0", QAccessible::StaticText, text("Soul")},
            {"about", "cmdOK", QAccessible::Button, text("OK")},
            {"about", "lblHomePage", QAccessible::Link, Caption},
            {"about", "lblCoBrand", QAccessible::Link,
             text("Click here for more details about the full-branding offer")},
            {"about", "Picture1", QAccessible::Graphic, text("Application icon")},
            {"farewell", "cmdClose", QAccessible::Button, text("Exit")},
            {"farewell", "cmdSubmit", QAccessible::Button, text("Refer A Friend Now")},
            {"farewell", "Check1", QAccessible::CheckBox,
             text("Drop by www.quillmereforum.example now!")},
            {"farewell", "picNagscreen2Icon", QAccessible::Graphic, text("Application icon")},
            {"farewell", "lblGoToHome", QAccessible::Link, Caption},
            {"farewell", "txtName", QAccessible::EditableText, text("Your Name")},
            {"farewell", "txtEmail", QAccessible::EditableText, text("Your Email Address")},
            {"farewell", "txtFriendName", QAccessible::EditableText, text("Friend's Name")},
            {"farewell", "txtFriendEmail", QAccessible::EditableText,
             text("Friend's Email Address")},
            {"farewell", "txtMessage", QAccessible::EditableText, text("Your Message")},
        };
        for (const Row& row : rows)
            QTest::addRow("%s %s", row.window, row.control)
                << QString::fromLatin1(row.window) << QString::fromLatin1(row.control)
                << int(row.role) << row.name;
    }
    void controlsHaveRoleAndName()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(int, role);
        QFETCH(QString, name);
        ScriptedPlatform platform;
        auto* widget = child<QWidget>(loadWindow(window), qPrintable(control));
        QAccessibleInterface* iface = accessible(widget);
        QCOMPARE(int(iface->role()), role);
        if (name == Caption) {
            name = qobject_cast<QLabel*>(widget)->text();
            QVERIFY(!name.isEmpty());
        }
        QCOMPARE(iface->text(QAccessible::Name), name);
    }

    // Qt on Linux names a combo box by its current item, so the part of the date a list holds
    // is also its description, which reaches a screen reader there.
    void dateListsSayWhichPartTheyHold_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("part");
        QTest::newRow("day") << QString("cboDate") << QString("Day of birth");
        QTest::newRow("month") << QString("cboMonth") << QString("Month of birth");
        QTest::newRow("year") << QString("cboYear") << QString("Year of birth");
    }
    void dateListsSayWhichPartTheyHold()
    {
        QFETCH(QString, control);
        QFETCH(QString, part);
        auto* list = child<QComboBox>(frmMain::instance(), qPrintable(control));
        QAccessibleInterface* iface = accessible(list);
        QCOMPARE(iface->role(), QAccessible::ComboBox);
        QCOMPARE(list->accessibleName(), part);
        QCOMPARE(iface->text(QAccessible::Description), part);
        const QString name = iface->text(QAccessible::Name);
        QVERIFY2(name == part || name == list->currentText(), qPrintable(name));
    }

    void dateOfBirthLabelsTheDayList()
    {
        frmMain* main = frmMain::instance();
        QAccessibleInterface* label = accessible(child<QLabel>(main, "lblLabel_1"));
        QList<QAccessibleInterface*> labels;
        // Qt's relation flag says what the other object is to this one: its Label.
        const auto relations =
            accessible(child<QComboBox>(main, "cboDate"))->relations(QAccessible::Label);
        for (const auto& relation : relations)
            labels << relation.first;
        QVERIFY(labels.contains(label));
    }

    void everyControlIsNamed_data() { addWindowRows(); }
    void everyControlIsNamed()
    {
        QFETCH(QString, window);
        ScriptedPlatform platform;
        const QList<QWidget*> controls = Controls(loadWindow(window));
        QVERIFY(controls.size() >= 3);
        for (QWidget* control : controls) {
            const QString name =
                qobject_cast<QComboBox*>(control) ? control->accessibleName() : nameOf(control);
            QVERIFY2(!name.trimmed().isEmpty(), qPrintable(control->objectName()));
        }
    }

    // A spoken command must match the words on screen.
    void nameHoldsTheVisibleCaption_data() { addWindowRows(); }
    void nameHoldsTheVisibleCaption()
    {
        QFETCH(QString, window);
        ScriptedPlatform platform;
        int captioned = 0;
        for (QWidget* control : Controls(loadWindow(window))) {
            const QString caption = visibleCaption(control);
            if (caption.isEmpty())
                continue;
            ++captioned;
            const QString name = nameOf(control);
            QVERIFY2(
                name.contains(caption),
                qPrintable(QStringLiteral("%1 is named \"%2\"").arg(control->objectName(), name)));
        }
        QVERIFY(captioned >= 2);
    }

    void linksOfferPressWhichOpensTheirPage_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("key");
        const std::tuple<const char*, const char*, const char*> rows[] = {
            {"main", "Label61", "home-page"},
            {"main", "lblCobrand", "co-brand"},
            {"main", "lblFullBrand", "fully-branded"},
            {"chart", "Label14", "home-page"},
            {"chart", "lblCobrand", "co-brand"},
            {"chart", "lblFullBrand", "fully-branded"},
            {"about", "lblHomePage", "home-page"},
            {"about", "lblCoBrand", "fully-branded"},
            {"farewell", "lblGoToHome", "quillmeresoftwares"},
        };
        for (const auto& [window, link, key] : rows)
            QTest::addRow("%s %s", window, link)
                << QString::fromLatin1(window) << QString::fromLatin1(link)
                << QString::fromLatin1(key);
    }
    void linksOfferPressWhichOpensTheirPage()
    {
        QFETCH(QString, window);
        QFETCH(QString, link);
        QFETCH(QString, key);
        ScriptedPlatform platform;
        auto* label = child<LinkLabel>(loadWindow(window), qPrintable(link));
        QVERIFY(label->focusPolicy() == Qt::NoFocus); // the press action is the way in
        QAccessibleActionInterface* actions = accessible(label)->actionInterface();
        QVERIFY(actions);
        QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        QSignalSpy clicked(label, &LinkLabel::clicked);
        actions->doAction(QAccessibleActionInterface::pressAction());
        // Queued, so that the caller's request returns before any window the link opens.
        QCOMPARE(clicked.count(), 0);
        waitUntil([&] { return clicked.count() == 1; });
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(platform.urls.opened, QStringList{Page + key});
    }

    void disabledLinkIgnoresPress()
    {
        LinkLabel label(QStringLiteral("Visit us"));
        label.setEnabled(false);
        QSignalSpy clicked(&label, &LinkLabel::clicked);
        accessible(&label)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCoreApplication::sendPostedEvents(); // delivers a queued click, had one been sent
        QCOMPARE(clicked.count(), 0);
    }

    void ownNameWinsOverTheCaption()
    {
        LinkLabel label(QStringLiteral("Click here"));
        label.setAccessibleName(QStringLiteral("Click here for the forum"));
        QCOMPARE(nameOf(&label), QStringLiteral("Click here for the forum"));
        QCOMPARE(accessible(&label)->role(), QAccessible::Link);
    }

    void otherLabelsStayLabels()
    {
        QLabel label(QStringLiteral("Date of Birth"));
        QAccessibleInterface* iface = accessible(&label);
        QCOMPARE(iface->role(), QAccessible::StaticText);
        QVERIFY(!iface->actionInterface() || !iface->actionInterface()->actionNames().contains(
                                                 QAccessibleActionInterface::pressAction()));
    }
};

HCN_TEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
