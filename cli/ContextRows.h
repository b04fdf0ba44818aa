// Which rows a context view prints: every difference block with some unchanged rows around it.
#pragma once

#include "engine/result/AlignedRows.h"

#include <vector>

namespace varnex {

// Rows first..last-1.
struct RowStretch {
    int first = 0;
    int last = 0;
    bool operator==(const RowStretch&) const = default;
};

// The stretches holding every changed row and `context` unchanged rows before and after it;
// stretches that would touch or overlap are one. None when no row differs.
std::vector<RowStretch> StretchesWithContext(const AlignedRows& rows, int context);

} // namespace varnex
