// The settings store on Windows: the registry key the program's users have, with the names and
// values scrambled exactly as in the Linux settings file.
#include "Platform.h"
#include "Scrambler.h"
#include "ScriptedPlatform.h"
#include "Settings.h"
#include "SettingsRows.h"
#include "TestEnvironment.h"

#include <QLocale>
#include <QSettings>
#include <QtTest>

using modHelp::ReadSetting;
using modHelp::WriteSetting;

namespace {

QString programKey()
{
    return QStringLiteral("HKEY_CURRENT_USER\\Software\\") + modHelp::SettingsAppName();
}

// A QSettings of its own on the key, so what it reads is what the registry holds.
QMap<QString, QString> storedInRegistry()
{
    const QSettings registry(programKey(), QSettings::NativeFormat);
    QMap<QString, QString> values;
    for (const QString& key : registry.allKeys())
        values.insert(key, registry.value(key).toString());
    return values;
}

} // namespace

class TestSettingsRegistry : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QSettings(programKey(), QSettings::NativeFormat).remove(QString());
        QVERIFY(storedInRegistry().isEmpty());
    }
    void cleanupTestCase() { QSettings(programKey(), QSettings::NativeFormat).remove(QString()); }

    void valuesRoundTripThroughTheRegistry_data() { SettingsRows::roundTrip(); }
    void valuesRoundTripThroughTheRegistry()
    {
        QFETCH(QString, name);
        QFETCH(QString, value);
        QVERIFY(WriteSetting(name, value));
        QCOMPARE(ReadSetting(name), value);
        // One value in Software\<program>\Settings, with no OrganizationDefaults level between.
        const QString key = QStringLiteral("Settings/") + modHelp::ScrambleText(name);
        const QMap<QString, QString> stored = storedInRegistry();
        QCOMPARE(stored.keys(), QStringList{key});
        QCOMPARE(stored.value(key), modHelp::ScrambleText(value));
        QCOMPARE(QSettings(programKey(), QSettings::NativeFormat).childGroups(),
                 QStringList{QStringLiteral("Settings")});
    }

    void namesThatCannotBeKeysAreRefused_data() { SettingsRows::refusedNames(); }
    void namesThatCannotBeKeysAreRefused()
    {
        QFETCH(QString, name);
        QVERIFY(!WriteSetting(name, QStringLiteral("x")));
        QCOMPARE(ReadSetting(name), QString());
        QVERIFY(storedInRegistry().isEmpty());
    }

    void firstStartStoresTodayScrambled()
    {
        const QLocale saved;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        ScriptedPlatform platform;
        platform.today = QDate(2026, 12, 10);
        modHelp::CheckUpdateReminder();
        QLocale::setDefault(saved);
        QVERIFY(platform.messages.isEmpty());
        // "Duration" and "12/10/2026" scrambled: each code shifted by 7, the order reversed.
        QCOMPARE(storedInRegistry(), (QMap<QString, QString>{{QStringLiteral("Settings/uvp{hy|K"),
                                                              QStringLiteral("=979678698")}}));
    }
};

HCN_TEST_MAIN(TestSettingsRegistry)
#include "test_settings_registry.moc"
