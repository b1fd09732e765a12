#include "DesktopPlatform.h"

#include "WindowSlot.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>

namespace {

Platform::Answer showMessage(const Platform::Message& message)
{
    using Platform::Answer;
    // A lone carriage return separates lines in the program's messages; the box wants \n.
    QString text = message.text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QMessageBox box(message.icon == Platform::Icon::Critical ? QMessageBox::Critical
                                                             : QMessageBox::Information,
                    Platform::ApplicationTitle, text,
                    message.buttons == Platform::Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No
                                                                : QMessageBox::Ok,
                    openingWindow());
    const int pressed = box.exec();
    if (message.buttons == Platform::Buttons::Ok)
        return Answer::Ok;
    return pressed == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

std::optional<QString> chooseFileToOpen(const Platform::OpenFileRequest& request)
{
    QFileDialog dialog(openingWindow(), request.title);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(request.filter);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

Platform::Services desktopServices()
{
    Platform::Services services = Platform::coreServices();
    services.showMessage = showMessage;
    services.chooseFileToOpen = chooseFileToOpen;
    // The result is ignored on purpose: a missing browser is not the user's problem here.
    services.openWebAddress = [](const QUrl& address) { QDesktopServices::openUrl(address); };
    // Leaves every event loop, a modal dialog's too, so that main returns and every destructor
    // runs. The windows are closed by then, and every setting was written when it was set.
    services.endProcess = [] { QCoreApplication::exit(0); };
    return services;
}
