// File-system questions the loader, the settings store and the start-up ask about a path.
#pragma once

#include "common/ByteBuffer.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

namespace varnex {

// True for an existing regular file; folders, devices, pipes and missing paths are none.
bool IsRegularFile(const std::string& path);
// Size of a regular file, or -1 for anything else.
std::int64_t RegularFileSize(const std::string& path);
// Where the chain of symbolic links starting at `path` ends: the last link's target even when
// that does not exist, or `path` itself when it is no link.
std::string FollowLinks(const std::string& path);

// Byte offsets are signed 32-bit and line counts 16-bit: no reader takes a larger file.
inline constexpr std::int64_t kMaxFileBytes = 0x7FFFFFFE;

inline constexpr std::size_t kNoReadLimit = std::numeric_limits<std::size_t>::max() - 1;

// What a file may be for ReadWholeFile: anything readable (pipes and devices for the console
// tool), or only a regular file, so that a pipe or device never blocks or floods the reader.
enum class FileKinds { Any, RegularOnly };

enum class ReadOutcome {
    Read,
    CannotOpen,     // missing, unreadable, or a read failed
    NotRegularFile, // a folder, pipe or device where only a regular file was accepted
    TooLarge,       // more than the limit
    OutOfMemory,    // the bytes read so far left no memory for the rest
};

// Reads a whole file into `bytes`, at most `limit` of them; `bytes` is empty unless it is Read.
ReadOutcome ReadWholeFile(const std::string& path, ByteBuffer& bytes,
                          std::size_t limit = kNoReadLimit, FileKinds kinds = FileKinds::Any);
// Appends what `fd` holds up to its end to `bytes`; 0, or the errno of the read that failed.
// Stops with EFBIG once more than `limit` bytes are appended, so endless devices end too.
int ReadToEnd(int fd, ByteBuffer& bytes, std::size_t limit = kNoReadLimit);

} // namespace varnex
