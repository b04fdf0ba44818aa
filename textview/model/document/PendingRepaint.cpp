// The pane's pending-repaint word: nothing, one line, or everything, consumed by the next paint.
#include "textview/model/document/PendingRepaint.h"

namespace varnex {

bool PendingRepaint::MarkLine(int line) {
    const bool fits = line >= 0 && static_cast<std::uint32_t>(line) <= kLineBits;
    if (word_ != 0 || !fits) return MarkAll();
    word_ = kOneLine | static_cast<std::uint32_t>(line);
    return true;
}

bool PendingRepaint::MarkAll() {
    if (word_ == kEverything) return false;
    word_ = kEverything;
    return true;
}

std::optional<int> PendingRepaint::Line() const {
    if (!(word_ & kOneLine)) return std::nullopt;
    return static_cast<int>(word_ & kLineBits);
}

PendingRepaint PendingRepaint::Take() {
    PendingRepaint taken = *this;
    word_ = 0;
    return taken;
}

} // namespace varnex
