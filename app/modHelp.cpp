#include "modHelp.h"

#include "Identity.h"
#include "Platform.h"
#include "WindowRegistry.h"

#include <QPointer>
#include <QUrl>

namespace modHelp {

QString PageScriptAddress() { return QString::fromUtf8(Identity::PageScriptAddress); }

void OpenWebAddress(const QString& address)
{
    Platform::openWebAddress(QUrl(address, QUrl::TolerantMode));
}

void OpenSitePage(const QString& pageKey)
{
    OpenWebAddress(PageScriptAddress() + QStringLiteral("?page=") + pageKey);
}

void OpenHomePage() { OpenSitePage(QStringLiteral("home-page")); }
void OpenOnlineHelpPage() { OpenSitePage(QStringLiteral("help-web-page")); }
void OpenDownloadPage() { OpenSitePage(QStringLiteral("download-web-page")); }
void OpenDonatePage() { OpenSitePage(QStringLiteral("donate")); }
void OpenCoBrandPage() { OpenSitePage(QStringLiteral("co-brand")); }
void OpenFullBrandPage() { OpenSitePage(QStringLiteral("fully-branded")); }
void OpenCataloguePage() { OpenSitePage(QStringLiteral("quillmeresoftwares")); }

void CloseAllAndEnd()
{
    // Counts the passes, so that a pass can tell when a closing step has run a newer one to
    // the end.
    static int passes = 0;
    const int pass = ++passes;
    QList<QPointer<QObject>> windows;
    for (QObject* window : WindowRegistry::oldestFirst())
        windows << window;
    for (const QPointer<QObject>& window : windows) {
        if (passes != pass)
            return;
        if (window)
            WindowRegistry::close(window); // never refused; one that fails ends with the rest
    }
    if (passes == pass)
        Platform::endProcess();
}

} // namespace modHelp
