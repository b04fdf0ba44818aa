// What a compare needs in memory for its files, and how many file bytes fit in a given amount.
#pragma once

#include <cstdint>

namespace varnex {

// Memory a compare of files of `fileBytes` bytes in all takes, its fixed share included.
std::uint64_t MemoryNeeded(std::uint64_t fileBytes);
// The most file bytes, both files together, whose compare fits in `memory` bytes.
std::uint64_t FileBytesWithin(std::uint64_t memory);

} // namespace varnex
