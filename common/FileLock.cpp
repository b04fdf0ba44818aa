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

FileLock::FileLock(const std::string& lockPath, const std::optional<FileOwner>& owner) {
    fd_ = Open(lockPath, owner);
    if (fd_ >= 0 && LockWaitingThroughSignals(fd_) != 0) {
        error_ = errno;
        close(fd_);
        fd_ = -1;
    }
}

// The descriptor of the lock file, or -1 with error_ set.
int FileLock::Open(const std::string& lockPath, const std::optional<FileOwner>& owner) {
    int fd = open(lockPath.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, kLockFileMode);
    const bool made = fd >= 0;
    if (!made && errno == EEXIST) fd = open(lockPath.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) error_ = errno;
    // A lock file of another owner's hive that only this process could open would lock the
    // owner out of their settings. A process that may not give it away may still lock: it cannot
    // give its replacement of the hive away either, so it does not write the hive.
    if (made && owner) GiveTo(fd, *owner);
    return fd;
}

FileLock::~FileLock() {
    if (fd_ >= 0) close(fd_); // closing releases the lock
}

} // namespace varnex
