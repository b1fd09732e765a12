#pragma once
// Where the settings live: the one place that differs between Linux and Windows, chosen by
// the build (SettingsStoreUnix.cpp or SettingsStoreWindows.cpp).

#include <QSettings>
#include <QString>

#include <memory>

namespace modHelp {

// The store of the program named `program`; its values sit in the "Settings" group.
std::unique_ptr<QSettings> openSettingsStore(const QString& program);

} // namespace modHelp
