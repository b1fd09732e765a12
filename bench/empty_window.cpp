// The yardstick for our start-up: a window with one list of the same 151 years as the main
// window's, and nothing else.
#include <QApplication>
#include <QComboBox>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    auto* years = new QComboBox(&window);
    for (int year = 1900; year <= 2050; ++year)
        years->addItem(QString::number(year));
    window.setCentralWidget(years);
    window.show();
    return QApplication::exec();
}
