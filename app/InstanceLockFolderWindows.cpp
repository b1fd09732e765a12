#include "InstanceLockFolder.h"

#include <QDir>

namespace Platform {

// The user's own temp folder (%TEMP%); Qt's runtime location on Windows is the home folder.
QString instanceLockFolder() { return QDir::tempPath(); }

} // namespace Platform
