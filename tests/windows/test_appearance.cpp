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

// The window of the given kind, loaded as the user first meets it.
QWidget* windowOfKind(const QString& kind)
{
    if (kind == "main")
        return frmMain::instance();
    if (kind.startsWith("chart")) {
        frmCorvaneNumerology* chart = chartWindow();
        if (kind == "chart reading")
            child<QPushButton>(chart, "cmdComprehensive")->click();
        return chart;
    }
    if (kind == "about")
        return frmAbout::instance();
    return frmNagScreen2::instance();
}

// The window of the given kind, drawn; no window is left loaded.
QImage renderedWindow(const QString& kind)
{
    ScriptedPlatform platform; // the same draws for every rendering
    QWidget* window = windowOfKind(kind);
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

    // The program's style draws each group box's frame below its title and around its
    // controls, on every Qt version (where Fusion puts them has moved between versions).
    void groupBoxFramesLieBelowTitlesAndAroundControls_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("titled");
        QTest::newRow("personal details") << "main"
                                          << "Frame1" << true;
        QTest::newRow("reading title") << "chart reading"
                                       << "Frame2" << true;
        QTest::newRow("offer") << "main"
                               << "fraFullBrand" << false;
        QTest::newRow("farewell download") << "farewell"
                                           << "Frame6" << true;
    }
    void groupBoxFramesLieBelowTitlesAndAroundControls()
    {
        QFETCH(QString, window);
        QFETCH(QString, box);
        QFETCH(bool, titled);
        QApplication::setStyle(new PlatformStyle(QStringLiteral("fusion")));
        ScriptedPlatform platform;
        QWidget* shown = windowOfKind(window);
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        const auto* frame = child<QGroupBox>(shown, qPrintable(box));
        QCOMPARE(frame->title().isEmpty(), !titled);
        const QImage image = picture(const_cast<QGroupBox*>(frame));
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("fusion")));

        // The frame's top line, found at the right, away from the title.
        const QRgb line = frame->palette().color(QPalette::Window).darker(111).rgb();
        const int x = image.width() - 10;
        int top = 0;
        while (top < image.height() && image.pixel(x, top) != line)
            ++top;
        QVERIFY2(top < image.height() / 2, qPrintable(QStringLiteral("frame line at %1").arg(top)));
        if (titled) {
            // The title's pixels (far from the ground's lightness) all lie above the line.
            const int ground = frame->palette().color(QPalette::Window).lightness();
            const auto titleIn = [&](int y) {
                for (int column = 0; column < image.width() / 2; ++column)
                    if (qAbs(image.pixelColor(column, y).lightness() - ground) > 128)
                        return true;
                return false;
            };
            bool title = false;
            for (int y = 0; y < top; ++y)
                title = title || titleIn(y);
            QVERIFY2(title, "no title above the frame");
            QVERIFY2(!titleIn(top), "the title crosses the frame");
        } else {
            QVERIFY(top <= 4);
        }
        for (const QWidget* control :
             frame->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (control->isVisible())
                QVERIFY2(control->y() >= top, qPrintable(control->objectName()));
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
        QWidget* shown = windowOfKind(window);
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
