#include "WebLinks.h"

#include "LinkLabel.h"
#include "modHelp.h"

#include <QAction>

namespace {

struct WebLink {
    const char* objectName;
    void (*open)();
};

const WebLink WebLinks[] = {
    // Menu entries of the main and chart windows.
    {"mnuOnline", &modHelp::OpenOnlineHelpPage},
    {"mnuVisit", &modHelp::OpenHomePage},
    {"mnuUpdate", &modHelp::OpenDownloadPage},
    {"mnuDonate", &modHelp::OpenDonatePage},
    {"mnuMakeMoney", &modHelp::OpenFullBrandPage},
    // The offer frame of the main and chart windows.
    {"lblCobrand", &modHelp::OpenCoBrandPage},
    {"lblFullBrand", &modHelp::OpenFullBrandPage},
    // The forum lines of the main and the chart window.
    {"Label61", &modHelp::OpenHomePage},
    {"Label14", &modHelp::OpenHomePage},
    // The about window; its "lblCoBrand" is the full-branding offer, whatever its name says.
    {"lblHomePage", &modHelp::OpenHomePage},
    {"lblCoBrand", &modHelp::OpenFullBrandPage},
    // The farewell window's catalogue link.
    {"lblGoToHome", &modHelp::OpenCataloguePage},
};

} // namespace

void connectWebLinks(QWidget* window)
{
    for (const WebLink& link : WebLinks) {
        const QString name = QString::fromLatin1(link.objectName);
        if (auto* action = window->findChild<QAction*>(name))
            QObject::connect(action, &QAction::triggered, window, link.open);
        else if (auto* label = window->findChild<LinkLabel*>(name))
            QObject::connect(label, &LinkLabel::clicked, window, link.open);
    }
}
