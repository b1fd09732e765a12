#include "StartUp.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    startUp();
    return QApplication::exec();
}
