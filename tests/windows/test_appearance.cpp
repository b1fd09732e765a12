#include "PlatformStyle.h"
#include "TestEnvironment.h"
#include "TitleFrame.h"
#include "WindowTesting.h"
#include "frmAbout.h"
#include "frmCorvaneNumerology.h"
#include "frmMain.h"
#include "frmNagScreen2.h"

#include <QComboBox>
#include <QFile>
#include <QFontInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleFactory>

namespace {

// The image format plugins the process has loaded, from its memory map.
QStringList loadedImagePlugins()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        qFatal("no /proc/self/maps");
    QStringList plugins;
    for (const QByteArray& line : maps.readAll().split('\n'))
        if (line.contains("/imageformats/"))
            plugins << QString::fromLatin1(line.mid(line.lastIndexOf('/') + 1));
    plugins.removeDuplicates();
    return plugins;
}

frmCorvaneNumerology* chartWindow()
{
    frmMain* main = frmMain::instance();
    child<QLineEdit>(main, "txtName")->setText(QStringLiteral("Ann Lee"));
    child<QComboBox>(main, "cboYear")->setCurrentIndex(85);
    main->cmdNext_Click();
    return frmCorvaneNumerology::instance();
}

QImage picture(QWidget* widget) { return widget->grab().toImage(); }

// A dark scheme as desktops set it: every role of every group, light text on dark grounds.
QPalette darkScheme()
{
    QPalette dark(QColor(230, 230, 230), QColor(53, 53, 53), QColor(80, 80, 80), QColor(20, 20, 20),
                  QColor(40, 40, 40), QColor(230, 230, 230), QColor(255, 255, 255),
                  QColor(35, 35, 35), QColor(45, 45, 45));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::Link, QColor(120, 170, 255));
    dark.setColor(QPalette::ToolTipBase, QColor(20, 20, 20));
    dark.setColor(QPalette::ToolTipText, QColor(230, 230, 230));
    dark.setColor(QPalette::PlaceholderText, QColor(140, 140, 140));
    return dark;
}

// The window of the given kind as the user first sees it, drawn; no window is left loaded.
QImage renderedWindow(const QString& kind)
{
    ScriptedPlatform platform; // the same draws for every rendering
    QWidget* window = nullptr;
    if (kind == "main") {
        window = frmMain::instance();
    } else if (kind.startsWith("chart")) {
        frmCorvaneNumerology* chart = chartWindow();
        if (kind == "chart reading")
            child<QPushButton>(chart, "cmdComprehensive")->click();
        window = chart;
    } else if (kind == "about") {
        window = frmAbout::instance();
    } else {
        window = frmNagScreen2::instance();
    }
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        qFatal("the %s window was not shown", qPrintable(kind));
    const QImage image = picture(window);
    closeAllWindows();
    return image;
}

} // namespace

class TestAppearance : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { closeAllWindows(); }

    // First, while nothing in this process has read a picture the costly way: the main window
    // shown and painted with the program's style loads no image format plugin. (Qt's own Fusion
    // pictures, read by guessing their format, would load all of them.)
    void theMainWindowLoadsNoImagePlugin()
    {
        QVERIFY(!QStyleFactory::keys().isEmpty());
        auto* style = new PlatformStyle(QStringLiteral("fusion"));
        QApplication::setStyle(style);
        frmMain* main = frmMain::instance();
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main));
        QVERIFY(!picture(main).isNull());
        QCOMPARE(loadedImagePlugins(), QStringList());
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("fusion")));
    }

    // Fusion's group box frame, drawn by the program's style from the same picture, in the
    // same place, with a title and without.
    void groupBoxesLookAsFusionDrawsThem_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("checkable");
        QTest::newRow("titled") << "Personal Details" << false;
        QTest::newRow("untitled") << "" << false;
        QTest::newRow("checkable") << "Options" << true;
    }
    void groupBoxesLookAsFusionDrawsThem()
    {
        QFETCH(QString, title);
        QFETCH(bool, checkable);
        std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("fusion")));
        PlatformStyle ours(QStringLiteral("fusion"));
        QGroupBox theirs(title), mine(title);
        for (QGroupBox* box : {&theirs, &mine}) {
            box->setCheckable(checkable);
            box->resize(240, 90);
        }
        theirs.setStyle(fusion.get());
        mine.setStyle(&ours);
        QCOMPARE(picture(&mine), picture(&theirs));
    }

    // The design's colours stay readable whatever the desktop's scheme: each window looks under a
    // dark scheme exactly as under the default one, while a message box follows the system.
    void windowsKeepTheirLookUnderADarkScheme_data()
    {
        QTest::addColumn<QString>("window");
        for (const char* window : {"main", "chart numbers", "chart reading", "about", "farewell"})
            QTest::newRow(window) << window;
    }
    void windowsKeepTheirLookUnderADarkScheme()
    {
        QFETCH(QString, window);
        const QPalette system = QApplication::palette();
        const QImage light = renderedWindow(window);
        QApplication::setPalette(darkScheme());
        const QImage dark = renderedWindow(window);
        QMessageBox box;
        const QColor boxGround = box.palette().color(QPalette::Window);
        QApplication::setPalette(system);
        QCOMPARE(boxGround, darkScheme().color(QPalette::Window));
        QVERIFY(!light.isNull());
        QCOMPARE(dark, light);
    }

    // Every control of every window is set in a font the system has, under the name it was
    // asked for, and no window wears a style sheet.
    void fontsAreInstalledAndNoStyleSheets_data()
    {
        QTest::addColumn<QString>("window");
        for (const char* window : {"main", "chart", "about", "farewell"})
            QTest::newRow(window) << window;
    }
    void fontsAreInstalledAndNoStyleSheets()
    {
        QFETCH(QString, window);
        ScriptedPlatform platform;
        QWidget* shown = nullptr;
        if (window == "main")
            shown = frmMain::instance();
        else if (window == "chart")
            shown = chartWindow();
        else if (window == "about")
            shown = frmAbout::instance();
        else
            shown = frmNagScreen2::instance();
        QVERIFY(qApp->styleSheet().isEmpty());
        QList<QWidget*> widgets = shown->findChildren<QWidget*>();
        widgets.prepend(shown);
        QStringList faults;
        for (const QWidget* widget : widgets) {
            // The menu bar's own overflow menu, made when it lays itself out, never shows: the
            // menus fit their windows.
            if (qobject_cast<const QMenu*>(widget) && widget->objectName().isEmpty() &&
                qobject_cast<const QMenuBar*>(widget->parent()))
                continue;
            const QString name = widget->objectName().isEmpty()
                                     ? QString::fromLatin1(widget->metaObject()->className())
                                     : widget->objectName();
            if (!widget->styleSheet().isEmpty())
                faults << name + QStringLiteral(": style sheet");
            const QString asked = widget->font().family();
            const QString got = QFontInfo(widget->font()).family();
            if (asked != got)
                faults << QStringLiteral("%1: asked for %2, got %3").arg(name, asked, got);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
        if (auto* title = shown->findChild<TitleFrame*>()) // a title's font resolves the same way
            QCOMPARE(QFontInfo(title->font()).family(), title->font().family());
    }
};

HCN_TEST_MAIN(TestAppearance)
#include "test_appearance.moc"
