// What the line-number margin of a compare pane shows beside a row.
#pragma once

#include "engine/result/AlignedRows.h"

#include <string>

namespace varnex {

struct MarginLabel {
    bool marker = false; // the row belongs to the current difference block
    std::string text;    // the file's line number, empty for placeholders and rows past the end
};

// The label of `row` on `side`; rows from markStart up to markEnd carry the marker.
MarginLabel MarginLabelFor(const AlignedRows& rows, Side side, int row, int markStart, int markEnd);

} // namespace varnex
