#include "Platform.h"

#include <QApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QMessageBox>

#include <cstdlib>
#include <random>

namespace Platform {

const QString ApplicationTitle = QStringLiteral("Halden Corvane Numerology");

namespace {

std::mt19937& Generator()
{
    static std::mt19937 generator;
    return generator;
}

Answer RealShowMessage(const Message& message)
{
    QMessageBox box(
        message.icon == Icon::Critical ? QMessageBox::Critical : QMessageBox::Information,
        ApplicationTitle, message.text,
        message.buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
        QApplication::activeWindow());
    const int pressed = box.exec();
    if (message.buttons == Buttons::Ok)
        return Answer::Ok;
    return pressed == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

std::optional<QString> RealChooseFileToOpen(const OpenFileRequest& request)
{
    QFileDialog dialog(QApplication::activeWindow(), request.title);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(request.filter);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

Services RealServices()
{
    Services services;
    services.showMessage = RealShowMessage;
    services.chooseFileToOpen = RealChooseFileToOpen;
    services.today = [] { return QDate::currentDate(); };
    services.clockSeed = [] { return static_cast<unsigned>(QDateTime::currentMSecsSinceEpoch()); };
    services.endProcess = [] { std::exit(0); };
    return services;
}

Services& Current()
{
    static Services services = RealServices();
    return services;
}

Answer ShowMessage(const Message& message) { return Current().showMessage(message); }

std::optional<QString> ChooseFileToOpen(const OpenFileRequest& request)
{
    return Current().chooseFileToOpen(request);
}

QDate Today() { return Current().today(); }

void SeedRandomFromClock() { Generator().seed(Current().clockSeed()); }

double RandomFraction() { return std::uniform_real_distribution<double>(0.0, 1.0)(Generator()); }

void EndProcess() { Current().endProcess(); }

} // namespace Platform
