// Which rows a context view prints.
#include "cli/ContextRows.h"

#include <algorithm>

namespace varnex {

std::vector<RowStretch> StretchesWithContext(const AlignedRows& rows, int context) {
    std::vector<RowStretch> stretches;
    const int count = rows.Count();
    for (int row = 0; row < count; ++row) {
        if (rows.Kind(row) == RowKind::Equal) continue;
        const int first = std::max(0, row - context);
        const int last = std::min(count, row + context + 1);
        if (!stretches.empty() && first <= stretches.back().last) {
            stretches.back().last = last;
        } else {
            stretches.push_back({first, last});
        }
    }
    return stretches;
}

} // namespace varnex
