// Per-byte cells of one side, reused between compares while the size stays close.
#include "engine/load/CharCellArray.h"

namespace varnex {

bool CharCellArray::Prepare(std::int32_t length) {
    if (cells_ && capacity_ >= length && length >= capacity_ / 2) return false;
    cells_ = std::make_unique<CharCell[]>(static_cast<std::size_t>(length) + 1);
    capacity_ = length;
    return true;
}

} // namespace varnex
