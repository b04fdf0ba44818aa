// What the line-number margin of a compare pane shows beside a row.
#include "app/doublepane/MarginLabel.h"

namespace varnex {

MarginLabel MarginLabelFor(const AlignedRows& rows, Side side, int row, int markStart,
                           int markEnd) {
    MarginLabel label;
    if (row >= markStart && row < markEnd) {
        label.marker = true;
        return label;
    }
    if (row < 0 || row >= rows.Count()) return label;
    const int line = rows.Line(side, row);
    if (line != 0) label.text = std::to_string(line);
    return label;
}

} // namespace varnex
