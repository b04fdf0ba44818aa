// The status text for a compare pane's caret: the file's line and column, and the selection.
#pragma once

#include "engine/result/AlignedRows.h"
#include "textview/model/editor/PaneStatus.h"

#include <optional>
#include <string>
#include <utility>

namespace varnex {

// One per pane: it remembers the position it last reported so that an unmoved caret
// leaves the status bar alone.
class CaretStatus {
public:
    // Nothing when the caret stands where it stood at the last call; an empty text for rows
    // without a line of this side's file; else " Zeile: l  Spalte: c" with the file's line.
    std::optional<std::string> Text(const AlignedRows& rows, Side side, const StatusQuery& caret);
    // The next call reports again, wherever the caret stands.
    void Forget() { lastPosition_.reset(); }

private:
    std::string Describe(const AlignedRows& rows, Side side, const StatusQuery& caret) const;

    std::optional<std::pair<int, int>> lastPosition_;
};

} // namespace varnex
