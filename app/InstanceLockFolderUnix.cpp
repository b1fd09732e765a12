#include "InstanceLockFolder.h"

#include <QDir>
#include <QStandardPaths>

namespace Platform {

// The runtime folder, else the temp folder. Qt looked the runtime folder up while starting and
// has already warned about a bad one; the same look here would print those warnings again.
QString instanceLockFolder()
{
    static QtMessageHandler shown = nullptr;
    shown = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& text) {
            if (!text.startsWith(QLatin1String("QStandardPaths: ")))
                shown(type, context, text);
        });
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    qInstallMessageHandler(shown);
    return folder.isEmpty() ? QDir::tempPath() : folder;
}

} // namespace Platform
