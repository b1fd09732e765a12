#pragma once
// Links to the product web site (every page is the page script plus "?page=<key>"), and
// the program's end.

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

// Closes every loaded window, oldest first, each through its own closing step, then ends the
// program with exit code 0 (Platform::endProcess). A closing step may call it again: that
// inner call finishes the job, and the outer one goes no further. It returns, so whatever
// called it must touch nothing afterwards.
void CloseAllAndEnd();

} // namespace modHelp
