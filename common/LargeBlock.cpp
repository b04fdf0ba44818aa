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
    if (bytes < kHugePage / 2) {
        memory = std::malloc(bytes);
    } else {
        const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
        memory = std::aligned_alloc(kHugePage, rounded);
        // A last huge page less than half used would cost more memory than its faults cost time.
        const std::size_t tail = bytes % kHugePage;
        const std::size_t advised =
            tail == 0 || tail >= kHugePage / 2 ? rounded : rounded - kHugePage;
        if (memory && advised > 0) madvise(memory, advised, MADV_HUGEPAGE);
    }
    if (!memory) throw std::bad_alloc();
    return memory;
}

void FreeLargeBlock(void* block) {
    std::free(block);
}

} // namespace varnex
