// The aligned rows of a comparison: which left and right line each row shows, and its kind.
#pragma once

#include "engine/Limits.h"
#include "engine/Side.h"
#include "engine/result/RowKind.h"

#include <cstdint>
#include <vector>

namespace varnex {

class AlignedRows {
public:
    AlignedRows();

    // Empties the table: no rows, every line number 0 (placeholder), the end mark on row 0.
    void Clear();

    int Count() const { return count_; }
    void SetCount(int count) { count_ = count; }

    // 1-based line numbers; 0 marks a placeholder.
    std::uint16_t Line(Side side, int row) const;
    std::uint16_t LeftLine(int row) const { return left_[row]; }
    std::uint16_t RightLine(int row) const { return right_[row]; }
    RowKind Kind(int row) const { return static_cast<RowKind>(kinds_[row]); }
    // The raw kind byte, which is kRowsEndMark after the last row.
    std::uint8_t KindCode(int row) const { return kinds_[row]; }

    void SetLine(Side side, int row, int lineNumber);
    void SetKind(int row, RowKind kind) { kinds_[row] = static_cast<std::uint8_t>(kind); }

    // Writes the end mark after the last row and returns the number of difference blocks:
    // maximal runs of rows with the same non-Equal kind.
    int MarkEndAndCountBlocks();

    const std::uint16_t* LeftLines() const { return left_.data(); }
    const std::uint16_t* RightLines() const { return right_.data(); }
    const std::uint8_t* Kinds() const { return kinds_.data(); }

private:
    std::vector<std::uint16_t> left_;
    std::vector<std::uint16_t> right_;
    std::vector<std::uint8_t> kinds_; // one more than the rows, for the end mark
    int count_ = 0;
};

} // namespace varnex
