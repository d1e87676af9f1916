#pragma once

#include <cstdint>
#include <string>

// An exclusive lock on a lock file, held from construction to destruction; whoever takes the lock of the
// same file waits until it is released. The file is created when missing (readable by all, opened for
// reading only, so that any user may lock it) and is never removed.
class ExclusiveLockFile {
public:
    explicit ExclusiveLockFile(const std::string& path);
    ~ExclusiveLockFile();
    ExclusiveLockFile(const ExclusiveLockFile&) = delete;
    ExclusiveLockFile& operator=(const ExclusiveLockFile&) = delete;

    bool held() const { return held_; }
    // An errno value for the failed open or lock; 0 when the lock is held.
    int error() const { return error_; }

private:
    std::intptr_t handle_ = -1;
    bool held_ = false;
    int error_ = 0;
};
