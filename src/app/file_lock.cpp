#include "app/file_lock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

TFileLock::TFileLock(const std::string& lockPath) {
    int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
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
