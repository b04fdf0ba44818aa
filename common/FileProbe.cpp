// File-system questions the loader and the start-up ask about a path.
#include "common/FileProbe.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace varnex {

PathKind ProbePath(const std::string& path) {
    struct stat info {};
    if (path.empty() || stat(path.c_str(), &info) != 0) return PathKind::None;
    if (S_ISREG(info.st_mode)) return PathKind::RegularFile;
    if (S_ISDIR(info.st_mode)) return path == "/" ? PathKind::DriveRoot : PathKind::Directory;
    return PathKind::None;
}

std::int64_t RegularFileSize(const std::string& path) {
    struct stat info {};
    if (path.empty() || stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return -1;
    return info.st_size;
}

namespace {

bool ReadAll(int fd, std::vector<std::uint8_t>& bytes) {
    constexpr std::size_t kChunk = 1 << 16;
    std::size_t used = bytes.size();
    for (;;) {
        if (bytes.size() < used + kChunk) bytes.resize(used + kChunk);
        const ssize_t got = read(fd, bytes.data() + used, kChunk);
        if (got == 0) break;
        if (got < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        used += static_cast<std::size_t>(got);
    }
    bytes.resize(used);
    return true;
}

} // namespace

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes) {
    bytes.clear();
    if (path.empty()) return false;
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat info {};
    if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        bytes.reserve(static_cast<std::size_t>(info.st_size));
    }
    const bool ok = ReadAll(fd, bytes);
    close(fd);
    if (!ok) bytes.clear();
    return ok;
}

} // namespace varnex
