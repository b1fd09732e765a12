#include "SiteMenus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

QAction* namedAction(QObject* parent, const char* name, const QString& caption)
{
    auto* action = new QAction(caption, parent);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

} // namespace

QAction* addSiteMenus(QMenuBar* bar, const QString& updateCaption)
{
    auto* help = new QMenu(QStringLiteral("&Help"), bar);
    help->setObjectName(QStringLiteral("mnuHelp"));
    help->addAction(namedAction(bar, "mnuOnline", QStringLiteral("&Online Help")));
    help->addAction(namedAction(bar, "mnuVisit", QStringLiteral("&Visit Us Online")));
    help->addSeparator();
    help->addAction(namedAction(bar, "mnuUpdate", updateCaption));
    help->addSeparator();
    QAction* about = namedAction(bar, "mnuAbout", QStringLiteral("&About Software"));
    help->addAction(about);
    bar->addMenu(help);

    bar->addAction(namedAction(bar, "mnuDonate", QStringLiteral("&Donate")));
    QAction* makeMoney = namedAction(bar, "mnuMakeMoney", QStringLiteral("Make Money &Online"));
    makeMoney->setEnabled(false);
    bar->addAction(makeMoney);
    return about;
}
