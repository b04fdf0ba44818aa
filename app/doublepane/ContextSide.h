// Which side of the double-pane window a point belongs to.
#pragma once

namespace varnex {

// 1 for the right half side by side or the lower half one above the other, else 0.
inline int ContextSideAt(int x, int y, int width, int height, bool stacked) {
    return stacked ? (y >= height / 2 ? 1 : 0) : (x >= width / 2 ? 1 : 0);
}

} // namespace varnex
