// File-system questions the loader, the settings store and the start-up ask about a path.
#include "common/FileProbe.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace varnex {

namespace {

constexpr std::size_t kReadChunk = 1 << 16;
// As many links as the kernel follows before it gives up on a loop.
constexpr int kMaxLinkHops = 40;

} // namespace

bool IsRegularFile(const std::string& path) {
    struct stat info {};
    return !path.empty() && stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string FollowLinks(const std::string& path) {
    std::filesystem::path current = path;
    std::error_code error;
    for (int hop = 0; hop < kMaxLinkHops && std::filesystem::is_symlink(current, error); ++hop) {
        const std::filesystem::path target = std::filesystem::read_symlink(current, error);
        if (error) break;
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    return current.string();
}

std::int64_t RegularFileSize(const std::string& path) {
    struct stat info {};
    if (path.empty() || stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return -1;
    return info.st_size;
}

int ReadToEnd(int fd, ByteBuffer& bytes, std::size_t limit) {
    const std::size_t start = bytes.size();
    std::size_t used = start;
    for (;;) {
        // One byte past the limit tells "exactly at the limit" from "too large".
        if (used - start > limit) {
            bytes.resize(used);
            return EFBIG;
        }
        // Fills what the buffer holds before growing it: a file read whole takes one call, and
        // one more that finds the end in the byte reserved for it. Only what this read may
        // fill is sized, since sizing zeroes: a doubled buffer's room past the limit stays
        // untouched.
        const std::size_t room = bytes.capacity() > used ? bytes.capacity() - used : kReadChunk;
        const std::size_t wanted = std::min(room, limit + 1 - (used - start));
        if (bytes.size() < used + wanted) bytes.resize(used + wanted);
        const ssize_t got = read(fd, bytes.data() + used, wanted);
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

namespace {

ReadOutcome ReadOpened(int fd, ByteBuffer& bytes, std::size_t limit, FileKinds kinds) {
    struct stat info {};
    if (fstat(fd, &info) != 0) return ReadOutcome::CannotOpen;
    if (S_ISREG(info.st_mode)) {
        // A regular file's size is known: refuse an oversized one without reading it.
        if (static_cast<std::uint64_t>(info.st_size) > limit) return ReadOutcome::TooLarge;
        // One byte more, so that the read which finds the end needs no larger buffer.
        bytes.reserve(static_cast<std::size_t>(info.st_size) + 1);
    } else if (kinds == FileKinds::RegularOnly) {
        return ReadOutcome::NotRegularFile;
    }
    switch (ReadToEnd(fd, bytes, limit)) {
    case 0:
        return ReadOutcome::Read;
    case EFBIG:
        return ReadOutcome::TooLarge;
    default:
        return ReadOutcome::CannotOpen;
    }
}

} // namespace

ReadOutcome ReadWholeFile(const std::string& path, ByteBuffer& bytes, std::size_t limit,
                          FileKinds kinds) {
    bytes.clear();
    if (path.empty()) return ReadOutcome::CannotOpen;
    // Without O_NONBLOCK, opening a pipe that has no writer waits for one, possibly forever.
    const int flags = O_RDONLY | O_CLOEXEC | (kinds == FileKinds::RegularOnly ? O_NONBLOCK : 0);
    const int fd = open(path.c_str(), flags);
    if (fd < 0) return ReadOutcome::CannotOpen;
    ReadOutcome outcome = ReadOutcome::CannotOpen;
    try {
        outcome = ReadOpened(fd, bytes, limit, kinds);
    } catch (const std::bad_alloc&) {
        outcome = ReadOutcome::OutOfMemory;
    }
    close(fd);
    // Gives the memory back too: a refused file must not keep what it took.
    if (outcome != ReadOutcome::Read) ByteBuffer().swap(bytes);
    return outcome;
}

} // namespace varnex
