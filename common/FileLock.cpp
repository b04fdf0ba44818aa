// An exclusive advisory lock (flock) on a lock file, held for the lifetime of the object.
#include "common/FileLock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace varnex {

namespace {

constexpr mode_t kLockFileMode = 0666; // narrowed by the umask

int LockWaitingThroughSignals(int fd) {
    int result;
    do {
        result = flock(fd, LOCK_EX);
    } while (result != 0 && errno == EINTR);
    return result;
}

} // namespace

FileLock::FileLock(const std::string& lockPath) {
    fd_ = open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, kLockFileMode);
    if (fd_ < 0) {
        error_ = errno;
        return;
    }
    if (LockWaitingThroughSignals(fd_) != 0) {
        error_ = errno;
        close(fd_);
        fd_ = -1;
    }
}

FileLock::~FileLock() {
    if (fd_ >= 0) close(fd_); // closing releases the lock
}

} // namespace varnex
