#include "SavedReading.h"
#include "Scrambler.h"
#include "ScriptedPlatform.h"
#include "TestEnvironment.h"
#include "WindowTesting.h"
#include "frmCorvaneNumerology.h"
#include "frmMain.h"
#include "frmNagScreen2.h"
#include "modCorvaneNumerology.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>

#ifdef Q_OS_WIN
#include <windows.h>

#include <psapi.h> // after windows.h, which it needs
#else
#include <sys/resource.h>
#include <sys/stat.h>
#endif

namespace {

const QString BeforeImport = QStringLiteral("2 February 1950");

// A saved reading: three unused lines, then month, day and year, each scrambled.
QByteArray savedFile(const QStringList& values, const QByteArray& lineEnd = "\r\n")
{
    QByteArray bytes;
    for (const QString& value : values)
        bytes += modHelp::ScrambleText(value).toLatin1() + lineEnd;
    return bytes;
}

const QStringList Unused = {"Ann Lee", "Saved 10 December 2026", "December"};

// Creates the file the row describes in folder and returns its path.
QString fixturePath(const QString& kind, const QString& folder)
{
    const QString path = folder + (kind == "upper-case NUM" ? "/reading.NUM" : "/reading.num");
    const auto write = [&path](const QByteArray& bytes) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
    };
    const QStringList march = Unused + QStringList{"March", "7", "1985"};
    if (kind == "7 March 1985" || kind == "upper-case NUM")
        write(savedFile(march));
    else if (kind == "lone LF line ends")
        write(savedFile(march, "\n"));
    else if (kind == "lone CR line ends, no end after the year")
        write(savedFile(march, "\r").chopped(1));
    else if (kind == "lines 1-3 of any kind")
        write(QByteArray("\xff\x00\x01", 3) + "\r\n\r\n" + QByteArray(300, '=') + "\r\n" +
              savedFile({"March", "7", "1985"}));
    else if (kind == "checked-in file")
        return QStringLiteral(HCN_FIXTURES "/march-7-1985.num");
    else if (kind == "31 April")
        write(savedFile(Unused + QStringList{"April", "31", "1985"}));
    else if (kind == "day 07")
        write(savedFile(Unused + QStringList{"March", "07", "1985"}));
    else if (kind == "month in lower case")
        write(savedFile(Unused + QStringList{"march", "7", "1985"}));
    else if (kind == "year out of range")
        write(savedFile(Unused + QStringList{"March", "7", "2051"}));
    else if (kind == "four lines")
        write(savedFile(Unused + QStringList{"March"}));
    else if (kind == "unscrambled values")
        write((Unused + QStringList{"March", "7", "1985"}).join("\r\n").toLatin1());
    else if (kind == "binary")
        write([] {
            QByteArray bytes(4096, '\0');
            QRandomGenerator generator(7);
            for (char& byte : bytes)
                byte = char(generator.bounded(256));
            return bytes;
        }());
    else if (kind == "1 GiB without a line end") {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || !file.resize(qint64(1) << 30)) // sparse
            qFatal("cannot make %s", qPrintable(path));
    }
#ifndef Q_OS_WIN
    else if (kind == "FIFO") {
        if (mkfifo(QFile::encodeName(path).constData(), 0600) != 0)
            qFatal("mkfifo failed");
    } else if (kind == "link to /dev/zero")
        QFile::link(QStringLiteral("/dev/zero"), path);
    else if (kind == "link to nowhere")
        QFile::link(folder + "/missing", path);
#endif
    else if (kind == "folder")
        QDir(folder).mkdir(QStringLiteral("reading.num"));
    else if (kind != "cancel")
        qFatal("unknown fixture %s", qPrintable(kind));
    return path;
}

QString listsOf(QWidget* main)
{
    return child<QComboBox>(main, "cboDate")->currentText() + ' ' +
           child<QComboBox>(main, "cboMonth")->currentText() + ' ' +
           child<QComboBox>(main, "cboYear")->currentText();
}

long peakMemoryKiB()
{
#ifdef Q_OS_WIN
    PROCESS_MEMORY_COUNTERS counters{};
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return long(counters.PeakWorkingSetSize / 1024);
#else
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
#endif
}

} // namespace

class TestImport : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { closeAllWindows(); }

    void import_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message"); // "" for none
        QTest::addColumn<QString>("lists");   // the date lists afterwards
        QTest::addColumn<bool>("reading");
        const QString refused = "Please Check The File.";
        const QString march = "7 March 1985";
        struct Row {
            const char* fixture;
            const char* name;
            QString message;
            QString lists;
            bool reading;
        };
        const Row rows[] = {
            {"7 March 1985", "Ann", "", march, true},
            {"7 March 1985", "", "Please Enter Your Name", march, false},
            {"lone LF line ends", "Ann", "", march, true},
            {"lone CR line ends, no end after the year", "Ann", "", march, true},
            {"lines 1-3 of any kind", "Ann", "", march, true},
            {"checked-in file", "Ann", "", march, true},
            {"31 April", "Ann", "Please Enter Correct Date Or Month !", "31 April 1985", false},
            {"cancel", "Ann", "", BeforeImport, false},
            {"upper-case NUM", "Ann", refused, BeforeImport, false},
            {"day 07", "Ann", refused, BeforeImport, false},
            {"month in lower case", "Ann", refused, BeforeImport, false},
            {"year out of range", "Ann", refused, BeforeImport, false},
            {"four lines", "Ann", refused, BeforeImport, false},
            {"unscrambled values", "Ann", refused, BeforeImport, false},
            {"binary", "Ann", refused, BeforeImport, false},
            {"1 GiB without a line end", "Ann", refused, BeforeImport, false},
            {"folder", "Ann", refused, BeforeImport, false},
#ifndef Q_OS_WIN // Windows has neither FIFOs nor symbolic links made this way
            {"FIFO", "Ann", refused, BeforeImport, false},
            {"link to /dev/zero", "Ann", refused, BeforeImport, false},
            {"link to nowhere", "Ann", refused, BeforeImport, false},
#endif
        };
        for (const Row& r : rows)
            QTest::addRow("%s%s", r.fixture, *r.name ? "" : ", no name")
                << QString(r.fixture) << QString(r.name) << r.message << r.lists << r.reading;
    }
    void import()
    {
        QFETCH(QString, fixture);
        QFETCH(QString, name);
        QFETCH(QString, message);
        QFETCH(QString, lists);
        QFETCH(bool, reading);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        ScriptedPlatform platform;
        if (fixture == "cancel")
            platform.cancelNextDialog();
        else
            platform.chooseNext(fixturePath(fixture, folder.path()));
        if (!message.isEmpty())
            platform.answerNext(Platform::Answer::Ok);

        frmMain* main = frmMain::instance();
        main->show();
        child<QLineEdit>(main, "txtName")->setText(name);
        child<QComboBox>(main, "cboDate")->setCurrentIndex(1);
        child<QComboBox>(main, "cboMonth")->setCurrentIndex(1);
        child<QComboBox>(main, "cboYear")->setCurrentIndex(50);
        QCOMPARE(listsOf(main), BeforeImport);

        const long peakBefore = peakMemoryKiB();
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(child<QPushButton>(main, "cmdOpen"), Qt::LeftButton);
        QVERIFY2(clock.elapsed() < timeLimitMs(1000), qPrintable(QString::number(clock.elapsed())));
        QVERIFY(peakMemoryKiB() - peakBefore < 16 * 1024);

        QCOMPARE(platform.dialogs.size(), 1);
        QCOMPARE(platform.dialogs[0].title, QStringLiteral("Select the source file"));
        QCOMPARE(platform.dialogs[0].filter, QStringLiteral("Halden Free Numerology Pro (*.num)"));
        QCOMPARE(platform.dialogs[0].defaultSuffix, QStringLiteral("num"));
        QStringList shown;
        for (const Platform::Message& m : platform.messages)
            shown << m.text;
        QCOMPARE(shown, message.isEmpty() ? QStringList() : QStringList{message});
        if (message == "Please Check The File." || message == "Please Enter Your Name")
            QCOMPARE(platform.messages[0].icon, Platform::Icon::Critical);

        QVERIFY(!frmNagScreen2::isLoaded() || !frmNagScreen2::instance()->isVisible());
        if (reading) {
            QVERIFY(!frmMain::isLoaded());
            QVERIFY(frmCorvaneNumerology::instance()->isVisible());
            QCOMPARE(modCorvaneNumerology::Chart.Day, 7);
            QCOMPARE(modCorvaneNumerology::Chart.Month, 3);
            QCOMPARE(modCorvaneNumerology::Chart.Year, 1985);
            QCOMPARE(QString::fromStdString(modCorvaneNumerology::Chart.Name), name);
            return;
        }
        QVERIFY(!frmCorvaneNumerology::isLoaded());
        QVERIFY(frmMain::isLoaded() && main->isVisible());
        QCOMPARE(listsOf(main), lists);
        QCOMPARE(child<QLineEdit>(main, "txtName")->text(), name);
    }

    // Only complete lines count: a line cut off by the read limit may go on beyond it.
    void cutOffLastLineIsNotUsed()
    {
        const QByteArray bytes = savedFile(Unused + QStringList{"March", "7", "1985"}).chopped(2);
        QVERIFY(parseSavedReading(bytes, true).has_value());
        QVERIFY(!parseSavedReading(bytes, false).has_value());
        QCOMPARE(parseSavedReading(bytes + "\r\n", false)->year, QStringLiteral("1985"));
    }
};

HCN_TEST_MAIN(TestImport)
#include "test_import.moc"
