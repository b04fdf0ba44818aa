// Arithmetic of the overview bar: its place, the summary of all rows, and where a click lands.
#pragma once

#include <cstdint>
#include <vector>

namespace varnex {

// The bar is 16 or 17 pixels wide so that the panes always get an odd width.
inline constexpr int kOverviewBarWidth = 16;
// Columns of the raised edge at the bar's left side.
inline constexpr int kOverviewBarEdge = 4;
// A double-click must land this far right of the bar's left edge.
inline constexpr int kOverviewBarClickInset = 6;
// The summary is a fixed buffer of one kind per entry.
inline constexpr int kMaxSummaryEntries = 4096;

// Left edge of the bar in a view `width` pixels wide.
int OverviewBarX(int width);

// Pixels per bar entry: as many as fit, but 1 to 3.
int PixelsPerEntry(int height, int count);

// One kind per bar entry for the whole text (BarMode::Summary); `kinds` has `total` entries.
std::vector<std::uint8_t> BuildSummary(const std::uint8_t* kinds, int total, int height);

// First row the bar shows in BarMode::Window for a view whose top row is `topRow`.
// `visibleRows` is the height side by side and (height - 6) / 2 one above the other.
int BarTopFor(int topRow, int total, int visibleRows);

// Pixel rows [top, bottom) of the bar standing for the rows the panes show.
struct BarSpan {
    int top = 0;
    int bottom = 0;
    bool operator==(const BarSpan&) const = default;
};
// In both bar modes, for `rowsShown` rows from `topRow` on; empty when there are no rows.
BarSpan VisibleSpanInWindowMode(int topRow, int rowsShown, int height, int total, int barTop);
BarSpan VisibleSpanInSummaryMode(int topRow, int rowsShown, int height, int total,
                                 int summaryCount);

// Row a double-click at `y` scrolls to, in both bar modes.
int RowAtWindowClick(int y, int height, int total, int barTop);
int RowAtSummaryClick(int y, int height, int total, int summaryCount);

} // namespace varnex
