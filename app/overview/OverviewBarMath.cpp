// Arithmetic of the overview bar: its place, the summary of all rows, and where a click lands.
#include "app/overview/OverviewBarMath.h"

#include <algorithm>

namespace varnex {

int OverviewBarX(int width) {
    const int oddness = (width - 1) % 2;
    return std::max(0, width - oddness - kOverviewBarWidth);
}

int PixelsPerEntry(int height, int count) {
    if (count <= 0) return 1;
    return std::clamp(height / count, 1, 3);
}

namespace {

std::uint8_t DominantKind(const std::uint8_t* kinds, int from, int to) {
    int counts[4] = {0, 0, 0, 0};
    for (int row = from; row < to; ++row) {
        if (kinds[row] < 4) ++counts[kinds[row]];
    }
    const int c1 = counts[1], c2 = counts[2], c3 = counts[3];
    if (c2 > c1) return c3 > c2 ? 3 : 2;
    if (c3 > c1) return 3;
    return c1 > 0 ? 1 : 0;
}

} // namespace

std::vector<std::uint8_t> BuildSummary(const std::uint8_t* kinds, int total, int height) {
    std::vector<std::uint8_t> summary;
    if (height <= 0) return summary;
    const std::int64_t step = std::max(total, height / 4);
    const int limit = std::min(height, kMaxSummaryEntries);
    int start = 0;
    for (int entry = 0; entry < limit; ++entry) {
        const int end =
            static_cast<int>(std::min<std::int64_t>(total, (entry + 1) * step / height));
        if (end <= start) {
            summary.push_back(start < total ? kinds[start] : 0);
        } else {
            summary.push_back(DominantKind(kinds, start, end));
        }
        start = std::max(start, end);
        if (end >= total) break;
    }
    return summary;
}

int BarTopFor(int topRow, int total, int visibleRows) {
    int barTop = topRow;
    if (barTop + visibleRows > total) barTop = total - visibleRows;
    return std::max(0, barTop);
}

namespace {

BarSpan ClampedSpan(std::int64_t top, std::int64_t bottom, int height) {
    const auto clamp = [height](std::int64_t y) {
        return static_cast<int>(std::clamp<std::int64_t>(y, 0, std::max(height, 0)));
    };
    return {clamp(top), clamp(bottom)};
}

} // namespace

BarSpan VisibleSpanInWindowMode(int topRow, int rowsShown, int height, int total, int barTop) {
    if (total <= 0 || height <= 0) return {};
    const std::int64_t pixels = PixelsPerEntry(height, total);
    const std::int64_t top = (static_cast<std::int64_t>(topRow) - barTop) * pixels;
    return ClampedSpan(top, top + std::max(rowsShown, 1) * pixels, height);
}

// From the entry BuildSummary gave the top row to the end of the last row shown: a row may
// fill several entries, or share one with its neighbours.
BarSpan VisibleSpanInSummaryMode(int topRow, int rowsShown, int height, int total,
                                 int summaryCount) {
    if (total <= 0 || height <= 0 || summaryCount <= 0) return {};
    const std::int64_t pixels = PixelsPerEntry(height, summaryCount);
    const std::int64_t step = std::max(total, height / 4);
    const auto entryOf = [&](std::int64_t row) {
        if (row >= total) return static_cast<std::int64_t>(summaryCount);
        return std::min<std::int64_t>(row * height / step, summaryCount - 1);
    };
    const std::int64_t last = std::min<std::int64_t>(total, topRow + std::max(rowsShown, 1)) - 1;
    const std::int64_t first = entryOf(topRow);
    const std::int64_t end = std::max(entryOf(last) + 1, entryOf(last + 1));
    return ClampedSpan(first * pixels, end * pixels, height);
}

int RowAtWindowClick(int y, int height, int total, int barTop) {
    return y / PixelsPerEntry(height, total) + barTop;
}

int RowAtSummaryClick(int y, int height, int total, int summaryCount) {
    if (height <= 0) return 0;
    const std::int64_t entry = y / PixelsPerEntry(height, summaryCount);
    return static_cast<int>(entry * total / height);
}

} // namespace varnex
