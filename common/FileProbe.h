// File-system questions the loader and the start-up ask about a path.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace varnex {

enum class PathKind : int { None = 0, RegularFile = 1, Directory = 2, DriveRoot = 3 };

PathKind ProbePath(const std::string& path);
// Size of a regular file, or -1 for anything else.
std::int64_t RegularFileSize(const std::string& path);
// Reads a whole file (or pipe) into memory; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes);

} // namespace varnex
