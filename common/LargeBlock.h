// Memory for large arrays that are filled once and read often: cells, line records.
#pragma once

#include <cstddef>

namespace varnex {

// At least `bytes` bytes, uninitialised; blocks of 1 MiB or more are aligned to 2 MiB and put on
// huge pages where the system offers them, all but a last huge page that would be less than half
// used. Throws std::bad_alloc. Freed with FreeLargeBlock.
void* AllocateLargeBlock(std::size_t bytes);
void FreeLargeBlock(void* block);

} // namespace varnex
