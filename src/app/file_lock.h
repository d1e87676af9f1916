#pragma once

#include <string>

#include "platform/exclusive_lock_file.h"

// An exclusive lock on a lock file, held from construction to destruction. Runs that take the lock of
// the same file wait for each other. The lock file is created when missing and is left in place: it is
// never renamed or removed, so every run locks the same file.
class TFileLock {
public:
    // Waits until the lock on lockPath is held; held() is false when the file cannot be opened or locked.
    // The lock file is opened for reading only (a new one is made readable by all), so that any user
    // may lock it.
    explicit TFileLock(const std::string& lockPath) : lock(lockPath) {}

    bool held() const { return lock.held(); }
    // The errno of the failed open or lock, 0 when the lock is held.
    int error() const { return lock.error(); }

private:
    ExclusiveLockFile lock;
};
