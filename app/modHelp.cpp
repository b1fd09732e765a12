#include "modHelp.h"

#include <QDesktopServices>
#include <QUrl>

namespace modHelp {

QString PageScriptAddress() { return QStringLiteral(HCN_PAGE_SCRIPT_ADDRESS); }

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

} // namespace modHelp
