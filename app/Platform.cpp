#include "Platform.h"

#include "Identity.h"
#include "InstanceLockFolder.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>

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

[[noreturn]] void missing(const char* service)
{
    std::fprintf(stderr, "Platform::%s was called, but no widget side has installed it\n", service);
    std::abort();
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

Services coreServices()
{
    Services services;
    services.showMessage = [](const Message&) -> Answer { missing("showMessage"); };
    services.chooseFileToOpen = [](const OpenFileRequest&) -> std::optional<QString> {
        missing("chooseFileToOpen");
    };
    services.openWebAddress = [](const QUrl&) { missing("openWebAddress"); };
    services.today = [] { return QDate::currentDate(); };
    services.seedRandomFromClock = [] {
        generator().seed(static_cast<unsigned>(QDateTime::currentMSecsSinceEpoch()));
    };
    services.randomFraction = [] {
        return std::uniform_real_distribution<double>(0.0, 1.0)(generator());
    };
    services.endProcess = [] { missing("endProcess"); };
    return services;
}

Services& current()
{
    static Services services = coreServices();
    return services;
}

Answer showMessage(const Message& message) { return current().showMessage(message); }

std::optional<QString> chooseFileToOpen(const OpenFileRequest& request)
{
    return current().chooseFileToOpen(request);
}

void openWebAddress(const QUrl& address) { current().openWebAddress(address); }

QDate today() { return current().today(); }

void seedRandomFromClock() { current().seedRandomFromClock(); }

double randomFraction() { return current().randomFraction(); }

void endProcess() { current().endProcess(); }

} // namespace Platform
