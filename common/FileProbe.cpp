// File-system questions the loader, the settings store and the start-up ask about a path.
#include "common/FileProbe.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace varnex {

bool IsRegularFile(const std::string& path) {
    struct stat info {};
    return !path.empty() && stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::int64_t RegularFileSize(const std::string& path) {
    struct stat info {};
    if (path.empty() || stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return -1;
    return info.st_size;
}

int ReadToEnd(int fd, std::vector<std::uint8_t>& bytes) {
    constexpr std::size_t kChunk = 1 << 16;
    std::size_t used = bytes.size();
    for (;;) {
        if (bytes.size() < used + kChunk) bytes.resize(used + kChunk);
        const ssize_t got = read(fd, bytes.data() + used, kChunk);
        if (got == 0) break;
        if (got < 0) {
            if (errno == EINTR) continue;
            const int error = errno;
            bytes.resize(used);
            return error;
        }
        used += static_cast<std::size_t>(got);
    }
    bytes.resize(used);
    return 0;
}

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes) {
    bytes.clear();
    if (path.empty()) return false;
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat info {};
    if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        bytes.reserve(static_cast<std::size_t>(info.st_size));
    }
    const bool ok = ReadToEnd(fd, bytes) == 0;
    close(fd);
    if (!ok) bytes.clear();
    return ok;
}

} // namespace varnex
