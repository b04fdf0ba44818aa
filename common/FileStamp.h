// What tells that a file was replaced or changed since it was last read.
#pragma once

#include <sys/stat.h>

#include <ctime>

namespace varnex {

// Every write replaces the hive file by a new one, so a new inode alone tells a change;
// size and times catch files that were edited in place.
struct FileStamp {
    bool exists = false;
    bool regular = false; // false for folders, pipes and devices
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    timespec changed{};

    static FileStamp Of(const struct stat& info) {
        return {true,         S_ISREG(info.st_mode), info.st_dev, info.st_ino,
                info.st_size, info.st_mtim,          info.st_ctim};
    }

    bool operator==(const FileStamp& other) const {
        return exists == other.exists && regular == other.regular && device == other.device &&
               inode == other.inode && size == other.size && SameTime(modified, other.modified) &&
               SameTime(changed, other.changed);
    }

private:
    static bool SameTime(const timespec& a, const timespec& b) {
        return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
    }
};

} // namespace varnex
