#include "Settings.h"

#include "Platform.h"
#include "Scrambler.h"
#include "SettingsStore.h"
#include "modHelp.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QSettings>

#include <memory>

namespace modHelp {

namespace {

const char* const ReminderSetting = "Duration";
constexpr qint64 ReminderDays = 14;

std::unique_ptr<QSettings> openStore() { return openSettingsStore(SettingsAppName()); }

// With no home folder known (and no config folder named), Qt would keep the file below the
// file system's root, in no one's own folder: the program then keeps no settings, as with a
// store it cannot write.
bool hasStoreFolder()
{
    return QDir::homePath() != QDir::rootPath() || !qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME");
}

// "" for a name that cannot be a key of its own (see WriteSetting).
QString keyFor(const QString& name)
{
    const QString scrambled = ScrambleText(name);
    if (scrambled.isEmpty() || scrambled.contains(u'/') || scrambled.contains(u'\\'))
        return QString();
    return QStringLiteral("Settings/") + scrambled;
}

} // namespace

QString SettingsAppName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

QString ReadSetting(const QString& name)
{
    const QString key = keyFor(name);
    if (key.isEmpty() || !hasStoreFolder())
        return QString();
    const std::unique_ptr<QSettings> store = openStore();
    // A damaged line elsewhere (FormatError) leaves this value readable; an AccessError does not.
    if (store->status() == QSettings::AccessError)
        return QString();
    return UnscrambleText(store->value(key).toString());
}

bool WriteSetting(const QString& name, const QString& value)
{
    const QString key = keyFor(name);
    if (key.isEmpty() || !hasStoreFolder())
        return false;
    const std::unique_ptr<QSettings> store = openStore();
    // Checked first because a value that failed to reach an existing file stays pending in
    // QSettings' per-process cache, where later reads would find it.
    if (!store->isWritable())
        return false;
    store->setValue(key, ScrambleText(value));
    store->sync();
    // FormatError only tells of a damaged line elsewhere; the value was written all the same.
    return store->status() != QSettings::AccessError;
}

QString shortDateFormat()
{
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    // Two-digit years read back as 19xx ("12/10/26" is 1926), which would bring the reminder
    // up at every start.
    if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return format;
}

QString settingDateText(const QDate& date)
{
    const QLocale locale;
    const QString format = shortDateFormat();
    const QString text = locale.toString(date, format);
    // Many locales write digits or direction marks outside Latin-1, which scrambling turns into
    // "?", and Qt cannot read back some digits at all; an unreadable store would silence the
    // reminder for good, so those locales store an ISO date instead.
    if (UnscrambleText(ScrambleText(text)) == text && locale.toDate(text, format) == date)
        return text;
    return date.toString(Qt::ISODate);
}

QDate settingDate(const QString& text)
{
    const QDate date = QLocale().toDate(text, shortDateFormat());
    return date.isValid() ? date : QDate::fromString(text, Qt::ISODate);
}

void CheckUpdateReminder()
{
    const QString reminder = QString::fromLatin1(ReminderSetting);
    const QDate today = Platform::today();
    const QString stored = ReadSetting(reminder);
    const QDate last = stored.isEmpty() ? QDate() : settingDate(stored);
    // An unreadable value counts as a first start; kept as it is, it would never come due.
    if (!last.isValid()) {
        WriteSetting(reminder, settingDateText(today));
        return;
    }
    const qint64 days = today.daysTo(last);
    if (days >= -ReminderDays && days <= ReminderDays)
        return;
    // Without a store the question would come back at every start.
    if (!openStore()->isWritable())
        return;
    const Platform::Answer answer =
        Platform::showMessage({QStringLiteral("There maybe an update to this software available\r"
                                              "Do you want to check for an update?"),
                               Platform::Icon::Information, Platform::Buttons::YesNo});
    if (!WriteSetting(reminder, settingDateText(today)))
        return;
    if (answer == Platform::Answer::Yes)
        OpenDownloadPage();
}

} // namespace modHelp
