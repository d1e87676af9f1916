#include "platform/exclusive_lock_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

ExclusiveLockFile::ExclusiveLockFile(const std::string& path) {
    // A new lock file is made readable by all whatever the umask.
    int fd = ::open(path.c_str(), O_RDONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0444);
    if (fd >= 0)
        ::fchmod(fd, 0444);
    else if (errno == EEXIST)
        fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error_ = errno;
        return;
    }
    int rc = 0;
    do {
        rc = ::flock(fd, LOCK_EX);
    } while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        error_ = errno;
        ::close(fd);
        return;
    }
    handle_ = fd;
    held_ = true;
}

ExclusiveLockFile::~ExclusiveLockFile() {
    // Closing the descriptor releases the lock.
    if (held_)
        ::close(static_cast<int>(handle_));
}
