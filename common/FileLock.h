// An exclusive advisory lock (flock) on a lock file, held for the lifetime of the object.
#pragma once

#include "common/FileOwner.h"

#include <optional>
#include <string>

namespace varnex {

class FileLock {
public:
    // Creates the lock file when missing and waits for the lock. A lock file it creates is
    // given to `owner`, when one is named and this process may do so.
    explicit FileLock(const std::string& lockPath,
                      const std::optional<FileOwner>& owner = std::nullopt);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool Held() const { return fd_ >= 0; }
    // errno of the failure when not held.
    int Error() const { return error_; }

private:
    int Open(const std::string& lockPath, const std::optional<FileOwner>& owner);

    int fd_ = -1;
    int error_ = 0;
};

} // namespace varnex
