// Where the two panes, their title bars and the gap between them go.
#include "app/doublepane/DoublePaneLayout.h"

#include <algorithm>

namespace varnex {

int TitleHeight(bool anyTitle, int scrollBarHeight) {
    return anyTitle ? std::max(kMinTitleHeight, scrollBarHeight + 3) : 0;
}

DoublePaneGeometry LayOutSideBySide(int width, int height, int titleHeight) {
    DoublePaneGeometry g;
    const int half = std::max(0, (width - 1) / 2);
    const int second = half + 1 + std::max(0, (width - 1) % 2);
    const int paneHeight = std::max(0, height - titleHeight);
    g.titleHeight = titleHeight;
    g.panes[0] = {0, titleHeight, half, paneHeight};
    g.panes[1] = {second, titleHeight, half, paneHeight};
    g.titles[0] = {0, 0, half, titleHeight};
    g.titles[1] = {second, 0, half, titleHeight};
    g.gapAt = width / 2;
    return g;
}

DoublePaneGeometry LayOutStacked(int width, int height, int titleHeight) {
    DoublePaneGeometry g;
    const int m = std::max(0, height / 2 - 3);
    const int lowerTop = m + kStackedGapRows;
    g.titleHeight = titleHeight;
    g.panes[0] = {0, titleHeight, width, std::max(0, m - titleHeight)};
    g.panes[1] = {0, lowerTop + titleHeight, width,
                  std::max(0, std::max(0, height - lowerTop) - titleHeight)};
    g.titles[0] = {0, 0, width, titleHeight};
    g.titles[1] = {0, lowerTop, width, titleHeight};
    g.gapAt = m;
    return g;
}

} // namespace varnex
