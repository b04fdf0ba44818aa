// Per-byte cells of one side, reused between compares while the size stays close.
#pragma once

#include "engine/load/CharCell.h"

#include <cstdint>
#include <memory>

namespace varnex {

class CharCellArray {
public:
    // Makes room for length + 1 cells (the last one is the end mark). The array is kept when
    // it is large enough and the new length is at least half its capacity; otherwise it is
    // replaced by one of exactly length + 1 cells, left unfilled for the loader to write.
    // Returns true when it was replaced.
    bool Prepare(std::int32_t length);

    std::int32_t Capacity() const { return capacity_; }
    bool Empty() const { return !cells_; }
    CharCell& operator[](std::int32_t offset) { return cells_[offset]; }
    const CharCell& operator[](std::int32_t offset) const { return cells_[offset]; }
    CharCell* Data() { return cells_.get(); }
    const CharCell* Data() const { return cells_.get(); }

private:
    struct Release {
        void operator()(CharCell* cells) const;
    };

    std::unique_ptr<CharCell[], Release> cells_;
    std::int32_t capacity_ = 0;
};

} // namespace varnex
