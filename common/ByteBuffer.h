// The bytes of a file as read: large files land on huge pages (see LargeBlock).
#pragma once

#include "common/LargeBlock.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace varnex {

template <typename T> struct LargeBlockAllocator {
    using value_type = T;

    LargeBlockAllocator() = default;
    template <typename U> LargeBlockAllocator(const LargeBlockAllocator<U>&) {}

    T* allocate(std::size_t count) {
        return static_cast<T*>(AllocateLargeBlock(count * sizeof(T)));
    }
    void deallocate(T* block, std::size_t) { FreeLargeBlock(block); }

    friend bool operator==(const LargeBlockAllocator&, const LargeBlockAllocator&) { return true; }
};

// A 2 MB file read into ordinary pages cost more in page faults than splitting it into lines.
using ByteBuffer = std::vector<std::uint8_t, LargeBlockAllocator<std::uint8_t>>;

} // namespace varnex
