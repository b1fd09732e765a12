// The yardstick for our start-up: what our main window does, minus our content. A main
// window of the main window's client size (the build reads it from the main window's
// description), holding one list of the same 151 years at a fixed
// place, as our windows place their controls. No layout: a layout would ask the list for its
// size hint, which measures every item and builds the pop-up list ahead of time, work our
// window never does; a yardstick doing it would flatter us.
#include <QApplication>
#include <QComboBox>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(HCN_CLIENT_WIDTH, HCN_CLIENT_HEIGHT);
    auto* years = new QComboBox(&window);
    years->setGeometry(346, 177, 65, 21);
    for (int year = 1900; year <= 2050; ++year)
        years->addItem(QString::number(year));
    window.show();
    return QApplication::exec();
}
