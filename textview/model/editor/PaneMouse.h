// What the mouse does in a pane: clicks, drag selection, double and triple clicks, drag and drop.
#pragma once

#include "textview/model/document/TextPosition.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace varnex {

class PaneEditor;

// Where the pointer is: the caret position nearest to it, and the character cell under it.
struct PointerHit {
    TextPosition caret;
    TextPosition cell;
};

class PaneMouse {
public:
    // A press this soon after a double-click, on the same character, selects the line.
    static constexpr std::int64_t kTripleClickMs = 301;

    enum class Motion {
        Nothing,
        StartDrag, // the selection should be dragged now; call DragEnded afterwards
        Selecting, // the selection followed the pointer
    };

    void SetDragEnabled(bool enabled) { dragEnabled_ = enabled; }
    bool DragEnabled() const { return dragEnabled_; }

    // Left button down at `now` (milliseconds); `otherKeys` when another button or a modifier
    // other than Shift is held. Only a press with nothing else held starts a pending drag (then
    // it returns true and the click waits); a Shift+click inside the selection extends it.
    bool Press(PaneEditor& editor, const PointerHit& hit, bool shift, bool otherKeys,
               std::int64_t now);
    // Pointer moved with the left button held.
    Motion Move(PaneEditor& editor, const PointerHit& hit);
    void Release(PaneEditor& editor);
    void DoubleClick(PaneEditor& editor, const PointerHit& hit, std::int64_t now);
    // The drag that Move started is over; without a drop the click is carried out after all.
    void DragEnded(PaneEditor& editor, bool dropped);

private:
    struct Click {
        std::int64_t time;
        TextPosition cell;
    };

    bool dragEnabled_ = true;
    bool selecting_ = false;
    std::optional<Click> doubleClick_;
    std::optional<PointerHit> pendingDrag_;
    std::optional<PointerHit> dragging_;
};

// How many lines (or columns) one tick of the auto-scroll moves while the pointer is `distance`
// pixels beyond the pane's edge: none inside, one within the first cell, one more for each
// further cell, at most a page, so the user sets the speed by how far they pull.
int AutoScrollStep(int distance, int cellSize, int page);

// Drops `bytes` at `at`. Moving text within one pane takes it out of the selection first (a
// drop inside the selection does nothing); false when nothing changed.
bool DropText(PaneEditor& editor, TextPosition at, std::string_view bytes, bool moveWithinPane);

} // namespace varnex
