// Which side of the double-pane window a point belongs to.
#pragma once

#include "engine/Side.h"

namespace varnex {

// The right half side by side, or the lower half one above the other, is the right side.
inline Side ContextSideAt(int x, int y, int width, int height, bool stacked) {
    const bool secondHalf = stacked ? y >= height / 2 : x >= width / 2;
    return secondHalf ? Side::Right : Side::Left;
}

} // namespace varnex
