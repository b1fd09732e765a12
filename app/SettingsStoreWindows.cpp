#include "SettingsStore.h"

namespace modHelp {

// HKEY_CURRENT_USER\Software\<program>, named in full: given only an organisation, QSettings
// would add an "OrganizationDefaults" key below it.
std::unique_ptr<QSettings> openSettingsStore(const QString& program)
{
    return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\Software\\") + program,
                                       QSettings::NativeFormat);
}

} // namespace modHelp
