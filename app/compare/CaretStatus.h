// The status text for a compare pane's caret: the file's line and column, and the selection.
#pragma once

#include "engine/result/AlignedRows.h"

#include <optional>
#include <string>

namespace varnex {

// Where a pane's caret stands (rows and columns from 0) and what it has selected.
struct CaretReport {
    int column = 0;
    int row = 0;
    bool hasSelection = false;
    int anchorColumn = 0;
    int anchorRow = 0;
    bool lineSelection = false; // the pane selects whole lines
};

// One per pane: it remembers the position it last reported so that an unmoved caret
// leaves the status bar alone.
class CaretStatus {
public:
    // Nothing when the caret stands where it stood at the last call; an empty text for rows
    // without a line of this side's file; else " Zeile: l  Spalte: c" with the file's line.
    std::optional<std::string> Text(const AlignedRows& rows, Side side, const CaretReport& caret);

private:
    std::string Describe(const AlignedRows& rows, Side side, const CaretReport& caret) const;

    std::optional<std::pair<int, int>> lastPosition_;
};

} // namespace varnex
