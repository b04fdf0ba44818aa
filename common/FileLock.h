// An exclusive advisory lock (flock) on a lock file, held for the lifetime of the object.
#pragma once

#include <string>

namespace varnex {

class FileLock {
public:
    // Creates the lock file when missing and waits for the lock.
    explicit FileLock(const std::string& lockPath);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool Held() const { return fd_ >= 0; }
    // errno of the failure when not held.
    int Error() const { return error_; }

private:
    int fd_ = -1;
    int error_ = 0;
};

} // namespace varnex
