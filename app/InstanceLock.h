#pragma once
// One copy of the program per user: a lock file named after the executable and the user, in
// the folder InstanceLockFolder gives. The object that takes the lock holds it until it goes;
// a lock left by a crashed run is stale and does not block the next start.

#include <memory>

class QLockFile;

class InstanceLock {
public:
    InstanceLock();
    ~InstanceLock(); // gives the lock up, so that the next start finds none
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // True when another copy of the program runs for this user. Otherwise this object now
    // holds the lock, where the folder allows one.
    bool anotherCopyRunning();

private:
    std::unique_ptr<QLockFile> file;
};
