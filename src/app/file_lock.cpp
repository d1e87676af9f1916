#include "app/file_lock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

TFileLock::TFileLock(const std::string& lockPath) {
    // A lock needs no write access: every user who may write the archive opens the same file for
    // reading, and a new one is made readable by all whatever the umask.
    int fd = ::open(lockPath.c_str(), O_RDONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0444);
    if (fd >= 0)
        ::fchmod(fd, 0444);
    else if (errno == EEXIST)
        fd = ::open(lockPath.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        lastError = errno;
        return;
    }
    int rc = 0;
    do {
        rc = ::flock(fd, LOCK_EX);
    } while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        lastError = errno;
        ::close(fd);
        return;
    }
    descriptor = fd;
}

TFileLock::~TFileLock() {
    if (descriptor >= 0) {
        // Closing the descriptor releases the lock.
        ::close(descriptor);
    }
}
