// What the mouse does in a pane: clicks, drag selection, double and triple clicks, drag and drop.
#include "textview/model/editor/PaneMouse.h"

#include "textview/model/editor/PaneEditor.h"

#include <algorithm>

namespace varnex {

bool PaneMouse::Press(PaneEditor& editor, const PointerHit& hit, bool shift, bool otherKeys,
                      std::int64_t now) {
    selecting_ = false;
    const bool tripleClick =
        doubleClick_ && doubleClick_->cell == hit.cell && now - doubleClick_->time < kTripleClickMs;
    doubleClick_.reset();
    if (tripleClick) {
        editor.SelectLine(hit.cell.line);
        return false;
    }
    const bool plainPress = !shift && !otherKeys;
    if (dragEnabled_ && plainPress && !pendingDrag_ && editor.InSelection(hit.caret)) {
        pendingDrag_ = hit;
        return true;
    }
    editor.MoveTo(hit.caret, shift);
    selecting_ = true;
    return false;
}

PaneMouse::Motion PaneMouse::Move(PaneEditor& editor, const PointerHit& hit) {
    if (pendingDrag_) {
        if (hit.caret == pendingDrag_->caret) return Motion::Nothing;
        dragging_ = pendingDrag_;
        pendingDrag_.reset();
        return Motion::StartDrag;
    }
    if (!selecting_) return Motion::Nothing;
    editor.MoveTo(hit.caret, true);
    return Motion::Selecting;
}

void PaneMouse::Release(PaneEditor& editor) {
    selecting_ = false;
    if (!pendingDrag_) return;
    editor.MoveTo(pendingDrag_->caret, false);
    pendingDrag_.reset();
}

void PaneMouse::DoubleClick(PaneEditor& editor, const PointerHit& hit, std::int64_t now) {
    selecting_ = false;
    pendingDrag_.reset();
    editor.SelectWordAt(hit.cell);
    doubleClick_ = Click{now, hit.cell};
}

void PaneMouse::DragEnded(PaneEditor& editor, bool dropped) {
    if (dragging_ && !dropped) editor.MoveTo(dragging_->caret, false);
    dragging_.reset();
}

bool DropText(PaneEditor& editor, TextPosition at, std::string_view bytes, bool moveWithinPane) {
    if (editor.ReadOnly() || bytes.empty()) return false;
    if (moveWithinPane && editor.Caret().HasSelection()) {
        if (editor.InSelection(at)) return false;
        const TextPosition start = editor.Caret().SelectionStart();
        const TextPosition end = editor.Caret().SelectionEnd();
        if (!editor.DeleteSelection()) return false;
        if (end <= at) {
            at = at.line == end.line
                     ? TextPosition{start.column + at.column - end.column, start.line}
                     : TextPosition{at.column, at.line - (end.line - start.line)};
        }
    }
    editor.MoveTo(at, false);
    return editor.InsertBytes(bytes);
}

int AutoScrollStep(int distance, int cellSize, int page) {
    if (distance <= 0) return 0;
    const int step = 1 + (distance - 1) / std::max(cellSize, 1);
    return std::min(step, std::max(page, 1));
}

} // namespace varnex
