// File-system questions the loader, the settings store and the start-up ask about a path.
#pragma once

#include "common/ByteBuffer.h"

#include <cstdint>
#include <string>

namespace varnex {

// True for an existing regular file; folders, devices, pipes and missing paths are none.
bool IsRegularFile(const std::string& path);
// Size of a regular file, or -1 for anything else.
std::int64_t RegularFileSize(const std::string& path);
// Where the chain of symbolic links starting at `path` ends: the last link's target even when
// that does not exist, or `path` itself when it is no link.
std::string FollowLinks(const std::string& path);
// Reads a whole file (or pipe) into memory; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, ByteBuffer& bytes);
// Appends what `fd` holds up to its end to `bytes`; 0, or the errno of the read that failed.
int ReadToEnd(int fd, ByteBuffer& bytes);

} // namespace varnex
