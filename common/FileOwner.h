// Who owns a file, so that the files a write makes can be given to the owner of the one replaced.
#pragma once

#include <optional>
#include <string>
#include <sys/types.h>

namespace varnex {

struct FileOwner {
    uid_t user = 0;
    gid_t group = 0;
};

// The owner of the file at `path` (links followed), or nothing when there is no such file.
std::optional<FileOwner> OwnerOf(const std::string& path);

// Gives the open file `fd` to `owner` unless it has that owner already; 0, or the errno of the
// failure (a process may give away a file only with the right to).
int GiveTo(int fd, const FileOwner& owner);

} // namespace varnex
