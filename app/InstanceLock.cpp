#include "InstanceLock.h"

#include "InstanceLockFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>

InstanceLock::InstanceLock() = default;

InstanceLock::~InstanceLock() = default;

bool InstanceLock::anotherCopyRunning()
{
    if (file)
        return false; // already held here
    const QString folder = Platform::instanceLockFolder();
    QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    if (user.isEmpty())
        user = QDir::home().dirName();
    const QString program = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    auto candidate = std::make_unique<QLockFile>(folder + u'/' + program + u'-' + user + ".lock");
    // Age alone never makes a lock stale: only a lock whose process is gone is.
    candidate->setStaleLockTime(0);
    if (candidate->tryLock(0)) {
        file = std::move(candidate);
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
        file = std::move(candidate);
        return false;
    }
    return true;
}
