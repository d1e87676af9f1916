#pragma once

#include <string>

// An exclusive advisory lock (flock) on a lock file, held from construction to destruction. Runs that
// take the lock of the same file wait for each other. The lock file is created when missing and is left
// in place: it is never renamed or removed, so every run locks the same inode.
class TFileLock {
public:
    // Waits until the lock on lockPath is held; held() is false when the file cannot be opened or locked.
    // The lock file is opened for reading only (a new one is made readable by all), so that any user
    // may lock it.
    explicit TFileLock(const std::string& lockPath);
    ~TFileLock();
    TFileLock(const TFileLock&) = delete;
    TFileLock& operator=(const TFileLock&) = delete;

    bool held() const { return descriptor >= 0; }
    // The errno of the failed open or lock, 0 when the lock is held.
    int error() const { return lastError; }

private:
    int descriptor = -1;
    int lastError = 0;
};
