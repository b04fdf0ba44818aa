// Where the two panes, their title bars and the gap between them go.
#pragma once

namespace varnex {

struct LayoutRect {
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const LayoutRect&) const = default;
};

struct DoublePaneGeometry {
    LayoutRect panes[2];
    LayoutRect titles[2];
    int titleHeight = 0;
    // Side by side: the black column between the panes. One above the other: the first of
    // the seven rows of the raised edge.
    int gapAt = 0;
};

// Title bars are at least this high, or the scroll-bar height plus 3.
inline constexpr int kMinTitleHeight = 19;
// Rows of the raised edge between two panes one above the other.
inline constexpr int kStackedGapRows = 7;

int TitleHeight(bool anyTitle, int scrollBarHeight);
DoublePaneGeometry LayOutSideBySide(int width, int height, int titleHeight);
DoublePaneGeometry LayOutStacked(int width, int height, int titleHeight);

} // namespace varnex
