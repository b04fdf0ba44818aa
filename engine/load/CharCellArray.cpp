// Per-byte cells of one side, reused between compares while the size stays close.
#include "engine/load/CharCellArray.h"

#include <cstdlib>
#include <new>
#include <sys/mman.h>

namespace varnex {

namespace {

// Large arrays go on huge pages where the system offers them: a 65 000-line file has millions of
// cells, and faulting them in 4 KiB at a time cost more than comparing them.
constexpr std::size_t kHugePage = std::size_t{2} << 20;

CharCell* AllocateCells(std::size_t count) {
    const std::size_t bytes = count * sizeof(CharCell);
    void* memory = nullptr;
    if (bytes < kHugePage) {
        memory = std::malloc(bytes);
    } else {
        const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
        memory = std::aligned_alloc(kHugePage, rounded);
        if (memory) madvise(memory, rounded, MADV_HUGEPAGE);
    }
    if (!memory) throw std::bad_alloc();
    return static_cast<CharCell*>(memory);
}

} // namespace

void CharCellArray::Release::operator()(CharCell* cells) const {
    std::free(cells);
}

bool CharCellArray::Prepare(std::int32_t length) {
    if (cells_ && capacity_ >= length && length >= capacity_ / 2) return false;
    // Left unfilled: the loader writes every cell. Zeroing 8 bytes per byte of text cost as much
    // as the comparison on large files.
    cells_.reset();
    cells_.reset(AllocateCells(static_cast<std::size_t>(length) + 1));
    capacity_ = length;
    return true;
}

} // namespace varnex
