#include "Identity.h"
#include "Platform.h"
#include "Scrambler.h"
#include "ScriptedPlatform.h"
#include "Settings.h"
#include "SettingsRows.h"
#include "TestEnvironment.h"

#include <QDesktopServices>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QMap>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <initializer_list>

using modHelp::ReadSetting;
using modHelp::WriteSetting;

enum class Reply { NoQuestion, Yes, No };
Q_DECLARE_METATYPE(Reply)

// Stands in for the browser and notes what the store holds at the moment a page is opened.
class OpeningWitness : public QObject {
    Q_OBJECT
public:
    explicit OpeningWitness(UrlRecorder& target) : recorder(target)
    {
        QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open");
    }
    ~OpeningWitness() override
    {
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &recorder, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &recorder, "open");
    }
    QStringList storedAtOpening;
public slots:
    void open(const QUrl& url)
    {
        storedAtOpening << ReadSetting(QStringLiteral("Duration"));
        recorder.open(url);
    }

private:
    UrlRecorder& recorder;
};

namespace {

const QString ReminderText = QStringLiteral("There maybe an update to this software available\r"
                                            "Do you want to check for an update?");
// "Duration" scrambled: shifted by 7 and reversed.
const QString DurationKeyOnDisk = QStringLiteral("Settings/uvp{hy|K");

QString codes(std::initializer_list<int> codes)
{
    QString text;
    for (int code : codes)
        text.append(QChar(code));
    return text;
}

QString storeFile()
{
    return qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/test_settings.conf");
}

QByteArray storeBytes()
{
    QFile file(storeFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Parses a copy of the settings file: QSettings caches files per process, and only a file it
// has never seen proves what is really on disk.
QMap<QString, QString> storedOnDisk()
{
    QTemporaryDir folder;
    const QString copy = folder.filePath(QStringLiteral("copy.ini"));
    if (!QFile::copy(storeFile(), copy))
        return {};
    const QSettings parsed(copy, QSettings::IniFormat);
    QMap<QString, QString> values;
    for (const QString& key : parsed.allKeys())
        values.insert(key, parsed.value(key).toString());
    return values;
}

QString durationOnDisk()
{
    return modHelp::UnscrambleText(storedOnDisk().value(DurationKeyOnDisk));
}

class DefaultLocale {
public:
    explicit DefaultLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~DefaultLocale() { QLocale::setDefault(saved); }
    DefaultLocale(const DefaultLocale&) = delete;
    DefaultLocale& operator=(const DefaultLocale&) = delete;

private:
    QLocale saved;
};

QLocale unitedStates() { return QLocale(QLocale::English, QLocale::UnitedStates); }

// Moves the per-user store (and, when given, the shared defaults QSettings falls back to) for
// one test, and puts both back afterwards.
class StoreRedirect {
public:
    explicit StoreRedirect(const QString& userFolder, const QString& sharedFolder = QString())
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, userFolder);
        if (!sharedFolder.isEmpty())
            QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, sharedFolder);
    }
    ~StoreRedirect()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope,
                           QLibraryInfo::path(QLibraryInfo::SettingsPath));
    }
    StoreRedirect(const StoreRedirect&) = delete;
    StoreRedirect& operator=(const StoreRedirect&) = delete;
};

// Tests run as root, whom permissions do not stop: this folder cannot exist because its
// parent is a regular file.
struct FolderUnderAFile {
    QTemporaryDir root;
    QString path = root.filePath(QStringLiteral("file/config"));
    FolderUnderAFile()
    {
        QFile file(root.filePath(QStringLiteral("file")));
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot create the blocking file");
    }
};

} // namespace

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QFile::remove(storeFile());
        QVERIFY(!QFile::exists(storeFile()));
    }

    void scrambleBothWays_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("scrambled");
        QTest::addColumn<QString>("unscrambled");
        QTest::newRow("empty") << QString() << QString() << QString();
        QTest::newRow("one character") << "A"
                                       << "H"
                                       << ":";
        QTest::newRow("order is reversed") << "abc"
                                           << "jih"
                                           << "\\[Z";
        QTest::newRow("code 0") << codes({0}) << codes({7}) << QString();
        QTest::newRow("codes 6 and 7") << codes({6, 7}) << codes({14, 13}) << codes({0});
        QTest::newRow("code 248") << codes({248}) << codes({255}) << codes({241});
        QTest::newRow("code 249 dropped, neighbours kept")
            << codes({'a', 249, 'b'}) << "ih" << codes({'[', 242, 'Z'});
        QTest::newRow("code 255") << codes({255}) << QString() << codes({248});
        QTest::newRow("euro sign counts as ?") << codes({0x20AC}) << "F"
                                               << "8";
        QTest::newRow("outside the BMP, each UTF-16 half counts") << codes({0xD83D, 0xDE00}) << "FF"
                                                                  << "88";
        QTest::newRow("setting name") << "Duration"
                                      << "uvp{hy|K"
                                      << "ghbmZkn=";
        QTest::newRow("date") << "12/10/2026"
                              << "=979678698"
                              << "/+)+()*(+*";
    }
    void scrambleBothWays()
    {
        QFETCH(QString, text);
        QFETCH(QString, scrambled);
        QFETCH(QString, unscrambled);
        QCOMPARE(modHelp::ScrambleText(text), scrambled);
        QCOMPARE(modHelp::UnscrambleText(text), unscrambled);
    }

    void roundTripKeepsPrintableAscii_data()
    {
        QTest::addColumn<int>("length");
        QTest::newRow("one character") << 1;
        QTest::newRow("every printable character") << 95;
        QTest::newRow("longest text") << 32767;
    }
    void roundTripKeepsPrintableAscii()
    {
        QFETCH(int, length);
        QString text;
        for (int i = 0; i < length; ++i)
            text.append(QChar(32 + i * 37 % 95)); // 37 is prime to 95: all 95 come up in turn
        const QString scrambled = modHelp::ScrambleText(text);
        QCOMPARE(scrambled.size(), text.size());
        QCOMPARE(modHelp::UnscrambleText(scrambled), text);
    }

    void overLongTextGivesEmpty_data()
    {
        QTest::addColumn<int>("length");
        QTest::newRow("one over") << 32768;
        QTest::newRow("far over") << 100000;
    }
    void overLongTextGivesEmpty()
    {
        QFETCH(int, length);
        const QString text(length, u'a');
        QCOMPARE(modHelp::ScrambleText(text), QString());
        QCOMPARE(modHelp::UnscrambleText(text), QString());
    }

    void appNameIsTheExecutableName()
    {
        QCOMPARE(modHelp::SettingsAppName(), QStringLiteral("test_settings"));
    }

    void valuesRoundTripThroughTheFile_data() { SettingsRows::roundTrip(); }
    void valuesRoundTripThroughTheFile()
    {
        QFETCH(QString, name);
        QFETCH(QString, value);
        QVERIFY(WriteSetting(name, value));
        QCOMPARE(ReadSetting(name), value);
        // One key directly in the group: the scrambled name was not split into subgroups.
        const QMap<QString, QString> onDisk = storedOnDisk();
        const QString key = QStringLiteral("Settings/") + modHelp::ScrambleText(name);
        QCOMPARE(onDisk.keys(), QStringList{key});
        QCOMPARE(onDisk.value(key), modHelp::ScrambleText(value));
        const QByteArray bytes = storeBytes();
        QVERIFY(!bytes.contains(name.toUtf8()));
        QVERIFY(!bytes.contains(value.toUtf8()));
    }

    void namesThatCannotBeKeysAreRefused_data() { SettingsRows::refusedNames(); }
    void namesThatCannotBeKeysAreRefused()
    {
        QFETCH(QString, name);
        QVERIFY(!WriteSetting(name, QStringLiteral("x")));
        QCOMPARE(ReadSetting(name), QString());
        QVERIFY(storedOnDisk().isEmpty());
    }

    void damagedLineElsewhereDoesNotStopTheStore()
    {
        // QSettings reports FormatError only to the object that parses the damaged file, so
        // the write and the read each get a freshly damaged file.
        const auto damage = [] {
            QFile file(storeFile());
            return file.open(QIODevice::Append) &&
                   file.write("a line without an equals sign\n") > 0;
        };
        QVERIFY(WriteSetting(QStringLiteral("Duration"), QStringLiteral("11/25/2026")));
        QVERIFY(damage());
        QVERIFY(WriteSetting(QStringLiteral("Duration"), QStringLiteral("12/10/2026")));
        QCOMPARE(durationOnDisk(), QStringLiteral("12/10/2026"));
        QVERIFY(damage());
        QCOMPARE(ReadSetting(QStringLiteral("Duration")), QStringLiteral("12/10/2026"));
    }

    void unusableStoreRefusesQuietly_data()
    {
        QTest::addColumn<bool>("fileIsAFolder");
        QTest::addColumn<bool>("damagedSharedDefaults");
        QTest::newRow("folder under a regular file") << false << false;
        QTest::newRow("a folder where the file belongs") << true << false;
        // The shared file's FormatError comes first, and QSettings keeps only its first error.
        QTest::newRow("folder under a file, damaged shared defaults") << false << true;
    }
    void unusableStoreRefusesQuietly()
    {
        QFETCH(bool, fileIsAFolder);
        QFETCH(bool, damagedSharedDefaults);
        FolderUnderAFile underAFile;
        QTemporaryDir withFolder;
        QVERIFY(QDir(withFolder.path()).mkdir(QStringLiteral("test_settings.conf")));
        QTemporaryDir shared;
        if (damagedSharedDefaults) {
            QFile file(shared.filePath(QStringLiteral("test_settings.conf")));
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.write("[Settings]\na line without an equals sign\n") > 0);
        }
        StoreRedirect redirect(fileIsAFolder ? withFolder.path() : underAFile.path, shared.path());
        QVERIFY(!WriteSetting(QStringLiteral("Duration"), QStringLiteral("12/10/2026")));
        QCOMPARE(ReadSetting(QStringLiteral("Duration")), QString());
    }

    void reminder_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("stored"); // "" stores nothing
        QTest::addColumn<Reply>("reply");
        QTest::addColumn<QString>("storedAfter");
        const QDate day(2026, 12, 10);
        QTest::newRow("first start") << day << "" << Reply::NoQuestion << "12/10/2026";
        QTest::newRow("14 days past") << day << "11/26/2026" << Reply::NoQuestion << "11/26/2026";
        QTest::newRow("14 days ahead") << day << "12/24/2026" << Reply::NoQuestion << "12/24/2026";
        QTest::newRow("15 days past, No") << day << "11/25/2026" << Reply::No << "12/10/2026";
        QTest::newRow("15 days ahead, No") << day << "12/25/2026" << Reply::No << "12/10/2026";
        QTest::newRow("15 days past, Yes") << day << "11/25/2026" << Reply::Yes << "12/10/2026";
        QTest::newRow("years past, Yes") << day << "1/1/2000" << Reply::Yes << "12/10/2026";
        QTest::newRow("14 days across the year end")
            << QDate(2027, 1, 5) << "12/22/2026" << Reply::NoQuestion << "12/22/2026";
        QTest::newRow("15 days across the year end")
            << QDate(2027, 1, 5) << "12/21/2026" << Reply::No << "1/5/2027";
        QTest::newRow("15 days across a leap day")
            << QDate(2028, 3, 14) << "2/28/2028" << Reply::No << "3/14/2028";
        QTest::newRow("unreadable value")
            << day << "not a date" << Reply::NoQuestion << "12/10/2026";
        QTest::newRow("another locale's date")
            << day << "10.12.2026" << Reply::NoQuestion << "12/10/2026";
        QTest::newRow("two-digit year") << day << "12/10/26" << Reply::NoQuestion << "12/10/2026";
    }
    void reminder()
    {
        QFETCH(QDate, today);
        QFETCH(QString, stored);
        QFETCH(Reply, reply);
        QFETCH(QString, storedAfter);
        DefaultLocale locale(unitedStates());
        if (!stored.isEmpty())
            QVERIFY(WriteSetting(QStringLiteral("Duration"), stored));
        ScriptedPlatform platform;
        platform.today = today;
        if (reply == Reply::Yes)
            platform.answerNext(Platform::Answer::Yes);
        if (reply == Reply::No)
            platform.answerNext(Platform::Answer::No);
        OpeningWitness witness(platform.urls);

        modHelp::CheckUpdateReminder();

        if (reply == Reply::NoQuestion) {
            QVERIFY(platform.messages.isEmpty());
        } else {
            QCOMPARE(platform.messages.size(), 1);
            const Platform::Message& message = platform.messages.constFirst();
            QCOMPARE(message.text, ReminderText);
            QVERIFY(message.icon == Platform::Icon::Information);
            QVERIFY(message.buttons == Platform::Buttons::YesNo);
        }
        const QStringList opened =
            reply == Reply::Yes ? QStringList{QString::fromUtf8(Identity::PageScriptAddress) +
                                              QStringLiteral("?page=download-web-page")}
                                : QStringList();
        QCOMPARE(platform.urls.opened, opened);
        // The page opens only once the new date is stored.
        const QStringList storedAtOpening =
            reply == Reply::Yes ? QStringList{storedAfter} : QStringList();
        QCOMPARE(witness.storedAtOpening, storedAtOpening);
        QCOMPARE(ReadSetting(QStringLiteral("Duration")), storedAfter);
        QCOMPARE(durationOnDisk(), storedAfter);
        const QByteArray bytes = storeBytes();
        QVERIFY(!bytes.contains("Duration"));
        QVERIFY(!bytes.contains(storedAfter.toUtf8()));
    }

    void reminderWithoutStoreStaysQuiet_data()
    {
        QTest::addColumn<QString>("sharedDefault"); // "" for none
        QTest::newRow("first start") << "";
        QTest::newRow("old date among the shared defaults") << "1/1/2000";
    }
    void reminderWithoutStoreStaysQuiet()
    {
        QFETCH(QString, sharedDefault);
        DefaultLocale locale(unitedStates());
        FolderUnderAFile unusable;
        QTemporaryDir shared;
        StoreRedirect redirect(unusable.path, shared.path());
        if (!sharedDefault.isEmpty()) {
            QSettings defaults(QSettings::NativeFormat, QSettings::SystemScope,
                               modHelp::SettingsAppName());
            defaults.setValue(DurationKeyOnDisk, modHelp::ScrambleText(sharedDefault));
            defaults.sync();
            QCOMPARE(defaults.status(), QSettings::NoError);
        }
        // The overdue date is really seen, yet the question is not asked: its answer could
        // not be stored, so it would come back at every start.
        QCOMPARE(ReadSetting(QStringLiteral("Duration")), sharedDefault);
        ScriptedPlatform platform;

        modHelp::CheckUpdateReminder();

        QVERIFY(platform.messages.isEmpty());
        QVERIFY(platform.urls.opened.isEmpty());
        QCOMPARE(ReadSetting(QStringLiteral("Duration")), sharedDefault);
    }

    void storedDateReadsBackUnderLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("stored"); // for 10 December 2026
        QTest::addColumn<QString>("storedOnDay15");
        QTest::newRow("en_US") << "en_US"
                               << "12/10/2026"
                               << "12/25/2026";
        QTest::newRow("de_DE") << "de_DE"
                               << "10.12.2026"
                               << "25.12.2026";
        QTest::newRow("en_GB") << "en_GB"
                               << "10/12/2026"
                               << "25/12/2026";
        QTest::newRow("C") << "C"
                           << "10 Dec 2026"
                           << "25 Dec 2026";
        QTest::newRow("ar_EG, digits outside Latin-1") << "ar_EG"
                                                       << "2026-12-10"
                                                       << "2026-12-25";
    }
    void storedDateReadsBackUnderLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QString, stored);
        QFETCH(QString, storedOnDay15);
        DefaultLocale useLocale{QLocale(locale)};
        ScriptedPlatform platform;
        const QDate day(2026, 12, 10);
        platform.today = day;
        modHelp::CheckUpdateReminder();
        QCOMPARE(ReadSetting(QStringLiteral("Duration")), stored);
        // Quiet 14 days after and 14 days before: only the stored day itself is that close to
        // both, so the text read back is exactly that day.
        for (int offset : {14, -14}) {
            platform.today = day.addDays(offset);
            modHelp::CheckUpdateReminder();
            QVERIFY(platform.messages.isEmpty());
            QCOMPARE(ReadSetting(QStringLiteral("Duration")), stored);
        }
        platform.today = day.addDays(15);
        platform.answerNext(Platform::Answer::No);
        modHelp::CheckUpdateReminder();
        QCOMPARE(platform.messages.size(), 1);
        QCOMPARE(ReadSetting(QStringLiteral("Duration")), storedOnDay15);
    }

    void everyLocaleReadsBackWhatItStores()
    {
        const QList<QLocale> locales = QLocale::matchingLocales(
            QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
        QVERIFY(locales.size() > 100);
        for (const QLocale& locale : locales) {
            DefaultLocale useLocale(locale);
            for (const QDate& date : {QDate(2026, 12, 10), QDate(2029, 1, 2), QDate(2000, 2, 29),
                                      QDate(1999, 12, 31)}) {
                const QString text = modHelp::settingDateText(date);
                const QByteArray where = (locale.name() + QStringLiteral(": ") + text).toUtf8();
                QVERIFY2(modHelp::UnscrambleText(modHelp::ScrambleText(text)) == text,
                         where.constData());
                QVERIFY2(modHelp::settingDate(text) == date, where.constData());
            }
        }
    }

    // With no home folder known, Qt would put the file below the file system's root.
    void noHomeFolderMeansNoStore()
    {
        const QByteArray home = qgetenv("HOME");
        const QByteArray config = qgetenv("XDG_CONFIG_HOME");
        qunsetenv("HOME");
        qunsetenv("XDG_CONFIG_HOME");
        const bool written = WriteSetting(QStringLiteral("Duration"), QStringLiteral("1/1/2000"));
        const QString read = ReadSetting(QStringLiteral("Duration"));
        qputenv("HOME", home);
        qputenv("XDG_CONFIG_HOME", config);
        QVERIFY(!written);
        QVERIFY(read.isEmpty());
        QVERIFY(!QFile::exists(QStringLiteral("/.config/test_settings.conf")));
        QVERIFY(WriteSetting(QStringLiteral("Duration"), QStringLiteral("1/1/2000")));
    }
};

HCN_TEST_MAIN(TestSettings)
#include "test_settings.moc"
