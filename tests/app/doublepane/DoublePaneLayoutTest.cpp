// Placement of the two panes and their title bars.
#include "app/doublepane/DoublePaneLayout.h"

#include <gtest/gtest.h>

namespace varnex {
namespace {

TEST(DoublePaneLayout, TitleHeight) {
    EXPECT_EQ(TitleHeight(false, 20), 0);
    EXPECT_EQ(TitleHeight(true, 12), 19);
    EXPECT_EQ(TitleHeight(true, 20), 23);
}

TEST(DoublePaneLayout, SideBySideWithoutTitlesStartsAtTheTop) {
    const DoublePaneGeometry g = LayOutSideBySide(101, 300, 0);
    EXPECT_EQ(g.panes[0], (LayoutRect{0, 0, 50, 300}));
    EXPECT_EQ(g.panes[1], (LayoutRect{51, 0, 50, 300}));
    EXPECT_EQ(g.gapAt, 50);
}

TEST(DoublePaneLayout, SideBySideEvenWidthLeavesATwoPixelGap) {
    const DoublePaneGeometry g = LayOutSideBySide(100, 300, 19);
    EXPECT_EQ(g.panes[0], (LayoutRect{0, 19, 49, 281}));
    EXPECT_EQ(g.panes[1], (LayoutRect{51, 19, 49, 281}));
    EXPECT_EQ(g.titles[1], (LayoutRect{51, 0, 49, 19}));
    EXPECT_EQ(g.gapAt, 50);
}

TEST(DoublePaneLayout, StackedLeavesSevenRowsBetween) {
    const DoublePaneGeometry g = LayOutStacked(200, 300, 19);
    EXPECT_EQ(g.gapAt, 147);
    EXPECT_EQ(g.panes[0], (LayoutRect{0, 19, 200, 128}));
    EXPECT_EQ(g.titles[1], (LayoutRect{0, 154, 200, 19}));
    EXPECT_EQ(g.panes[1], (LayoutRect{0, 173, 200, 127}));
}

TEST(DoublePaneLayout, TinyWindowsGiveNoNegativeSizes) {
    const DoublePaneGeometry g = LayOutStacked(0, 4, 19);
    for (const LayoutRect& r : g.panes) {
        EXPECT_GE(r.width, 0);
        EXPECT_GE(r.height, 0);
    }
    EXPECT_GE(LayOutSideBySide(0, 0, 0).panes[1].width, 0);
}

} // namespace
} // namespace varnex
