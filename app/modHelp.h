#pragma once
// Links to the product web site: every page is the page script plus "?page=<key>".

#include <QString>

namespace modHelp {

QString PageScriptAddress();

// Hands the address to the default browser; returns at once and never reports failure.
void OpenWebAddress(const QString& address);
void OpenSitePage(const QString& pageKey);

void OpenHomePage();
void OpenOnlineHelpPage();
void OpenDownloadPage();
void OpenDonatePage();
void OpenCoBrandPage();
void OpenFullBrandPage();
void OpenCataloguePage();

} // namespace modHelp
