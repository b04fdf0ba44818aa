// What the layout passes write: the aligned rows, and the row and kind of every byte they place.
#include "engine/layout/LayoutTarget.h"

namespace varnex {

void PlaceLine(LayoutTarget& target, Side side, int line, int row) {
    target.rows.SetLine(side, row, line + 1);
    SourceText& text = target.Text(side);
    for (std::uint32_t offset = text.LineStart(line); offset < text.LineEnd(line); ++offset) {
        text.cells[offset].row = static_cast<std::uint16_t>(row);
    }
}

void SetLineKind(SourceText& side, int line, RowKind kind) {
    for (std::uint32_t offset = side.LineStart(line); offset < side.LineEnd(line); ++offset) {
        side.cells[offset].kind = static_cast<std::uint8_t>(kind);
    }
}

} // namespace varnex
