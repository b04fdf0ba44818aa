// The aligned rows of a comparison: which left and right line each row shows, and its kind.
#include "engine/result/AlignedRows.h"

#include <algorithm>

namespace varnex {

AlignedRows::AlignedRows() : left_(kMaxRows), right_(kMaxRows), kinds_(kMaxRows + 1) {
    Clear();
}

void AlignedRows::Clear() {
    std::fill(left_.begin(), left_.end(), 0);
    std::fill(right_.begin(), right_.end(), 0);
    std::fill(kinds_.begin(), kinds_.end(), 0);
    count_ = 0;
    kinds_[0] = kRowsEndMark;
}

std::uint16_t AlignedRows::Line(Side side, int row) const {
    return side == Side::Left ? left_[row] : right_[row];
}

void AlignedRows::SetLine(Side side, int row, int lineNumber) {
    auto& lines = side == Side::Left ? left_ : right_;
    lines[row] = static_cast<std::uint16_t>(lineNumber);
}

int AlignedRows::MarkEndAndCountBlocks() {
    kinds_[count_] = kRowsEndMark;
    int blocks = 0;
    for (int row = 0; row < count_; ++row) {
        const bool startsRun = row == 0 || kinds_[row] != kinds_[row - 1];
        if (kinds_[row] != 0 && startsRun) ++blocks;
    }
    return blocks;
}

} // namespace varnex
