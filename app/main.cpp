#include "CoBrand.h"
#include "Platform.h"
#include "frmMain.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("halden-corvane-numerology"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/app.png")));

    Platform::SeedRandomFromClock();
    frmMain* main = frmMain::instance();
    main->show();
    CoBrand_Randomize(main->cobrandLabel(), main->fullBrandLabel());
    return QApplication::exec();
}
