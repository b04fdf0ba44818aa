// Who owns a file, so that the files a write makes can be given to the owner of the one replaced.
#include "common/FileOwner.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace varnex {

std::optional<FileOwner> OwnerOf(const std::string& path) {
    struct stat info;
    if (stat(path.c_str(), &info) != 0) return std::nullopt;
    return FileOwner{info.st_uid, info.st_gid};
}

int GiveTo(int fd, const FileOwner& owner) {
    struct stat info;
    if (fstat(fd, &info) != 0) return errno;
    if (info.st_uid == owner.user && info.st_gid == owner.group) return 0;
    return fchown(fd, owner.user, owner.group) == 0 ? 0 : errno;
}

} // namespace varnex
