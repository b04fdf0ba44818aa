// What a compare needs in memory for its files, and how many file bytes fit in a given amount.
#include "engine/CompareMemory.h"

namespace varnex {

namespace {

// What a compare takes beyond its files' bytes: each byte's text, its 8-byte cell, the line
// tables and the panes' copies come to about 10-14 bytes per file byte; a margin on top.
constexpr std::uint64_t kMemoryPerFileByte = 16;
constexpr std::uint64_t kMemoryPerCompare = std::uint64_t{64} << 20;

} // namespace

std::uint64_t MemoryNeeded(std::uint64_t fileBytes) {
    return kMemoryPerCompare + fileBytes * kMemoryPerFileByte;
}

std::uint64_t FileBytesWithin(std::uint64_t memory) {
    return memory > kMemoryPerCompare ? (memory - kMemoryPerCompare) / kMemoryPerFileByte : 0;
}

} // namespace varnex
