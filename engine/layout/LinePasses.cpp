// Row layouts of whole lines: changed blocks paired line by line, and lines of one side only.
#include "engine/layout/LinePasses.h"

#include "engine/Limits.h"

#include <algorithm>

namespace varnex {

namespace {

int LayoutOneSide(LayoutTarget& target, Side side, int first, int count, int row, RowKind kind) {
    for (int line = first; line < first + count && row < kMaxRows; ++line, ++row) {
        PlaceLine(target, side, line, row);
        SetLineKind(target.Text(side), line, kind);
        target.rows.SetKind(row, kind);
    }
    return row;
}

} // namespace

int LayoutChangedBlock(LayoutTarget& target, int i, int j, int k, int d, int row) {
    const int pairs = std::min(k, d);
    for (int n = 0; n < pairs && row < kMaxRows; ++n, ++row) {
        PlaceLine(target, Side::Left, i + n, row);
        PlaceLine(target, Side::Right, j + n, row);
        SetLineKind(target.left, i + n, RowKind::Changed);
        SetLineKind(target.right, j + n, RowKind::Changed);
        target.rows.SetKind(row, RowKind::Changed);
    }
    row = LayoutOneSide(target, Side::Left, i + pairs, k - pairs, row, RowKind::Changed);
    return LayoutOneSide(target, Side::Right, j + pairs, d - pairs, row, RowKind::Changed);
}

int LayoutRemoved(LayoutTarget& target, int i, int k, int row) {
    return LayoutOneSide(target, Side::Left, i, k, row, RowKind::Removed);
}

int LayoutInserted(LayoutTarget& target, int j, int d, int row) {
    return LayoutOneSide(target, Side::Right, j, d, row, RowKind::Inserted);
}

int LayoutLeftOnlyPlain(LayoutTarget& target, int i, int k, int row) {
    return LayoutOneSide(target, Side::Left, i, k, row, RowKind::Equal);
}

int LayoutRightOnlyPlain(LayoutTarget& target, int j, int d, int row) {
    return LayoutOneSide(target, Side::Right, j, d, row, RowKind::Equal);
}

} // namespace varnex
