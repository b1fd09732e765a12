#pragma once
// The program's few per-user values, kept scrambled in one settings file, and the update
// reminder that uses them at start-up.

#include <QDate>
#include <QString>

namespace modHelp {

// The running executable's file name without folder and extension; names the settings file.
QString SettingsAppName();

// The stored value of a setting; "" when nothing is stored or the store cannot be read.
QString ReadSetting(const QString& name);

// False when the value did not reach the store. A name whose scrambled form is empty or holds
// "/" or "\" (QSettings would split it into groups) is refused, so nothing is ever mangled.
bool WriteSetting(const QString& name, const QString& value);

// The user's short date format with the year always in four digits.
QString shortDateFormat();

// A date as stored in the settings, and back; settingDate gives an invalid date for a text
// it cannot read (garbage, or a date written under another locale).
QString settingDateText(const QDate& date);
QDate settingDate(const QString& text);

// At start-up: more than 14 days since the last reminder (or the clock moved back as far)
// asks whether to look for an update. Never fails: any problem with the store ends it quietly.
void CheckUpdateReminder();

} // namespace modHelp
