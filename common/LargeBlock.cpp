// Large blocks on huge pages: a 65 000-line file has millions of cells and lines, and faulting
// them in 4 KiB at a time cost more than filling them.
#include "common/LargeBlock.h"

#include <cstdlib>
#include <new>
#include <sys/mman.h>

namespace varnex {

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

} // namespace

void* AllocateLargeBlock(std::size_t bytes) {
    void* memory = nullptr;
    if (bytes < kHugePage) {
        memory = std::malloc(bytes);
    } else {
        const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
        memory = std::aligned_alloc(kHugePage, rounded);
        if (memory) madvise(memory, rounded, MADV_HUGEPAGE);
    }
    if (!memory) throw std::bad_alloc();
    return memory;
}

void FreeLargeBlock(void* block) {
    std::free(block);
}

} // namespace varnex
