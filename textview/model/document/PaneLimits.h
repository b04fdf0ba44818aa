// The two limits a pane is built with: bytes per line and number of lines.
#pragma once

#include "textview/model/document/TextLine.h"

#include <algorithm>

namespace varnex {

struct PaneLimits {
    int maxLineLength = 0; // longer text is cut to this silently
    int maxLineCount = 0;  // appending beyond this fails

    // Line records count their bytes in 16 bits, and a negative count allows no line at all.
    static PaneLimits Make(unsigned maxLineLength, int maxLineCount) {
        const unsigned cap = static_cast<unsigned>(TextLine::kMaxField);
        return {static_cast<int>(std::min(maxLineLength, cap)), std::max(maxLineCount, 0)};
    }
};

} // namespace varnex
