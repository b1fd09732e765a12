#pragma once
// The folder of the per-user instance lock: the one place where Linux and Windows differ,
// chosen by the build (InstanceLockFolderUnix.cpp or InstanceLockFolderWindows.cpp).

#include <QString>

namespace Platform {

QString instanceLockFolder();

} // namespace Platform
