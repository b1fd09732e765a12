#include "Platform.h"

#include "Identity.h"
#include "InstanceLockFolder.h"
#include "WindowSlot.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLockFile>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>

namespace Platform {

const QString ApplicationTitle = QString::fromUtf8(Identity::ProductName);

namespace {

std::mt19937& generator()
{
    static std::mt19937 generator;
    return generator;
}

std::unique_ptr<QLockFile>& instanceLock()
{
    static std::unique_ptr<QLockFile> lock;
    return lock;
}

Answer realShowMessage(const Message& message)
{
    // A lone carriage return separates lines in the program's messages; the box wants \n.
    QString text = message.text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QMessageBox box(
        message.icon == Icon::Critical ? QMessageBox::Critical : QMessageBox::Information,
        ApplicationTitle, text,
        message.buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
        openingWindow());
    const int pressed = box.exec();
    if (message.buttons == Buttons::Ok)
        return Answer::Ok;
    return pressed == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

std::optional<QString> realChooseFileToOpen(const OpenFileRequest& request)
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

void realEndProcess()
{
    // Windows and settings need nothing more: every setting is written when it is set.
    releaseInstanceLock();
    std::fflush(nullptr);
    std::_Exit(0);
}

} // namespace

bool anotherInstanceRunning()
{
    std::unique_ptr<QLockFile>& lock = instanceLock();
    if (lock)
        return false; // this process already holds it
    const QString folder = instanceLockFolder();
    QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    if (user.isEmpty())
        user = QDir::home().dirName();
    const QString program = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    auto candidate = std::make_unique<QLockFile>(folder + u'/' + program + u'-' + user + ".lock");
    // Age alone never makes a lock stale: only a lock whose process is gone is.
    candidate->setStaleLockTime(0);
    if (candidate->tryLock(0)) {
        lock = std::move(candidate);
        return false;
    }
    // A folder we cannot write to says nothing about another copy: start anyway.
    if (candidate->error() != QLockFile::LockFailedError)
        return false;
    // A lock that names no process (left empty by a crash or a power cut just after it was made)
    // never turns stale by itself; it goes unless a running copy still holds it open.
    qint64 pid = 0;
    QString host;
    QString application;
    if (!candidate->getLockInfo(&pid, &host, &application) && candidate->removeStaleLockFile() &&
        candidate->tryLock(0)) {
        lock = std::move(candidate);
        return false;
    }
    return true;
}

void releaseInstanceLock() { instanceLock().reset(); }

Services realServices()
{
    Services services;
    services.showMessage = realShowMessage;
    services.chooseFileToOpen = realChooseFileToOpen;
    services.today = [] { return QDate::currentDate(); };
    services.seedRandomFromClock = [] {
        generator().seed(static_cast<unsigned>(QDateTime::currentMSecsSinceEpoch()));
    };
    services.randomFraction = [] {
        return std::uniform_real_distribution<double>(0.0, 1.0)(generator());
    };
    services.endProcess = realEndProcess;
    return services;
}

Services& current()
{
    static Services services = realServices();
    return services;
}

Answer showMessage(const Message& message) { return current().showMessage(message); }

std::optional<QString> chooseFileToOpen(const OpenFileRequest& request)
{
    return current().chooseFileToOpen(request);
}

QDate today() { return current().today(); }

void seedRandomFromClock() { current().seedRandomFromClock(); }

double randomFraction() { return current().randomFraction(); }

void endProcess() { current().endProcess(); }

} // namespace Platform
