#include "modHelp.h"

#include "Identity.h"
#include "Platform.h"
#include "WindowSlot.h"

#include <QDesktopServices>
#include <QPointer>
#include <QUrl>

namespace modHelp {

QString PageScriptAddress() { return QString::fromUtf8(Identity::PageScriptAddress); }

void OpenWebAddress(const QString& address)
{
    // The result is ignored on purpose: a missing browser is not the user's problem here.
    QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
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
    // the end; in the program that inner pass never returns.
    static int passes = 0;
    const int pass = ++passes;
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : LoadedWindows::oldestFirst())
        windows << window;
    for (const QPointer<QWidget>& window : windows) {
        if (passes != pass)
            return;
        if (window && LoadedWindows::oldestFirst().contains(window))
            window->close(); // never refused; a window that fails to close ends with the rest
    }
    if (passes == pass)
        Platform::endProcess();
}

} // namespace modHelp
