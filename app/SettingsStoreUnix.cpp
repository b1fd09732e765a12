#include "SettingsStore.h"

namespace modHelp {

// ~/.config/<program>.conf: the program's name as organisation with no application name, where
// stored settings have always been.
std::unique_ptr<QSettings> openSettingsStore(const QString& program)
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, program);
}

} // namespace modHelp
