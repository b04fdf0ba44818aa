// What the layout passes write: the aligned rows, and the row and kind of every byte they place.
#pragma once

#include "engine/load/SourceText.h"
#include "engine/result/AlignedRows.h"
#include "engine/result/RowKind.h"

namespace varnex {

struct LayoutTarget {
    SourceText& left;
    SourceText& right;
    AlignedRows& rows;

    SourceText& Text(Side side) { return side == Side::Left ? left : right; }
};

// Shows line `line` (0-based) of `side` on `row`: the row's line number and its bytes' row.
void PlaceLine(LayoutTarget& target, Side side, int line, int row);
// Gives every byte of the line, line end included, the kind `kind`.
void SetLineKind(SourceText& side, int line, RowKind kind);

} // namespace varnex
