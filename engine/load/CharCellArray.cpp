// Per-byte cells of one side, reused between compares while the size stays close.
#include "engine/load/CharCellArray.h"

#include "common/LargeBlock.h"

namespace varnex {

void CharCellArray::Release::operator()(CharCell* cells) const {
    FreeLargeBlock(cells);
}

bool CharCellArray::Prepare(std::int32_t length) {
    if (cells_ && capacity_ >= length && length >= capacity_ / 2) return false;
    // Left unfilled: the loader writes every cell. Zeroing 8 bytes per byte of text cost as much
    // as the comparison on large files.
    cells_.reset();
    cells_.reset(static_cast<CharCell*>(
        AllocateLargeBlock((static_cast<std::size_t>(length) + 1) * sizeof(CharCell))));
    capacity_ = length;
    return true;
}

} // namespace varnex
