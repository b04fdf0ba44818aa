// Which part of the text a pane shows: first visible line and column, and how many fit.
#pragma once

#include <algorithm>

namespace varnex {

struct ScrollState {
    int firstLine = 0;
    int firstColumn = 0;
    int visibleLines = 1; // rows touched by the window, the last one maybe in part
    int visibleColumns = 1;
    int fullLines = 1; // rows shown completely: the page for scrolling
    int fullColumns = 1;

    // Counts for a text area of `width` x `height` pixels and cells of `cellWidth` x `cellHeight`.
    void Measure(int width, int height, int cellWidth, int cellHeight) {
        visibleColumns = std::max(1, (width + cellWidth - 1) / cellWidth);
        visibleLines = std::max(1, (height + cellHeight - 1) / cellHeight);
        fullColumns = std::max(1, width / cellWidth);
        fullLines = std::max(1, height / cellHeight);
    }

    // Scrolling stops when the last line stands at the bottom of the window.
    int MaxFirstLine(int lineCount) const { return std::max(0, lineCount - fullLines); }
    // One free column stays after the widest line, where a caret at its end stands.
    int MaxFirstColumn(int columnCount) const { return std::max(0, columnCount + 1 - fullColumns); }

    bool ShowsLine(int line) const { return line >= firstLine && line - firstLine < visibleLines; }
    bool ShowsLineFully(int line) const {
        return line >= firstLine && line - firstLine < fullLines;
    }
    // The first line that puts `line` in the middle of the rows shown, where the eye is.
    int FirstLineCentring(int line) const { return std::max(0, line - fullLines / 2); }
};

} // namespace varnex
