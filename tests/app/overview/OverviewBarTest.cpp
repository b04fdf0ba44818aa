// The overview bar beside the panes: summary, window from barTop, colours and double-clicks.
#include "tests/app/compare/ViewTestSupport.h"

#include "app/overview/OverviewBar.h"
#include "app/overview/OverviewBarMath.h"
#include "res/CommandId.h"

#include <QTest>

#include <gtest/gtest.h>

namespace varnex {
namespace {

using test::ShownView;

// `count` lines; the right file has an extra line after left line `insertAfter`.
std::pair<std::string, std::string> WithInsertedLine(int count, int insertAfter) {
    std::string left;
    std::string right;
    for (int line = 0; line < count; ++line) {
        left += "row " + std::to_string(line) + "\n";
        right += "row " + std::to_string(line) + "\n";
        if (line == insertAfter) right += "new\n";
    }
    return {left, right};
}

QColor BarPixel(OverviewBar& bar, int y) {
    return QColor(bar.grab().toImage().pixel(kOverviewBarEdge + 4, y));
}

TEST(OverviewBarView, TenRowsInAHundredPixelsFillFourEntriesOfTwoPixelsEach) {
    ShownView shown(401, 100);
    const auto [left, right] = WithInsertedLine(9, 3); // row 4 is the inserted one
    ASSERT_EQ(shown.Compare(left, right), LoadResult::Ok);
    ASSERT_EQ(shown.view->Summary().size(), 40u);
    OverviewBar& bar = shown.view->Bar();
    EXPECT_EQ(BarPixel(bar, 30), OverviewBar::KindColour(0)) << "31 may carry the view's frame";
    EXPECT_EQ(BarPixel(bar, 32), OverviewBar::KindColour(2));
    EXPECT_EQ(BarPixel(bar, 39), OverviewBar::KindColour(2));
    EXPECT_EQ(BarPixel(bar, 40), OverviewBar::KindColour(0));
    EXPECT_EQ(BarPixel(bar, 79), OverviewBar::KindColour(0));
    EXPECT_EQ(BarPixel(bar, 80), bar.palette().color(QPalette::Button));
}

TEST(OverviewBarView, AsManyRowsAsPixelsDoubleClickScrollsToTheRowAtThatPixel) {
    ShownView shown(401, 100);
    const auto [left, right] = WithInsertedLine(99, 50);
    ASSERT_EQ(shown.Compare(left, right), LoadResult::Ok);
    ASSERT_EQ(shown.view->Summary().size(), 100u);
    OverviewBar& bar = shown.view->Bar();
    QTest::mouseDClick(&bar, Qt::LeftButton, {}, QPoint(kOverviewBarClickInset, 37));
    EXPECT_EQ(shown.Pane(Side::Left).Scroll().firstLine, 37);
    EXPECT_EQ(shown.Pane(Side::Right).Scroll().firstLine, 37);
    QTest::mouseDClick(&bar, Qt::LeftButton, {}, QPoint(kOverviewBarClickInset - 1, 60));
    EXPECT_EQ(shown.Pane(Side::Left).Scroll().firstLine, 37);
}

TEST(OverviewBarView, WindowModeShowsOnePixelPerRowFromBarTop) {
    ShownView shown(401, 100);
    const auto [left, right] = WithInsertedLine(299, 149); // row 150 is the inserted one
    ASSERT_EQ(shown.Compare(left, right), LoadResult::Ok);
    ASSERT_TRUE(shown.view->OnCommand(kCmdToggleBarMode));
    CommandState state{false, true};
    ASSERT_TRUE(shown.view->OnUpdateCommand(kCmdToggleBarMode, state));
    EXPECT_FALSE(state.checked);
    shown.view->DoublePane().ScrollBoth(0, 145);
    EXPECT_EQ(shown.view->BarTop(), 145);
    OverviewBar& bar = shown.view->Bar();
    EXPECT_EQ(BarPixel(bar, 4), OverviewBar::KindColour(0));
    EXPECT_EQ(BarPixel(bar, 5), OverviewBar::KindColour(2));
    EXPECT_EQ(BarPixel(bar, 6), OverviewBar::KindColour(0));
    // Near the end barTop stops so that the bar stays full.
    shown.view->DoublePane().ScrollBoth(0, 290);
    EXPECT_EQ(shown.view->BarTop(), 300 - 100);
    QTest::mouseDClick(&bar, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(shown.Pane(Side::Right).Scroll().firstLine, 210);
}

TEST(OverviewBarView, TheFrameFollowsTheViewAndASingleClickCentresThere) {
    ShownView shown(401, 100);
    const auto [left, right] = WithInsertedLine(299, 149);
    ASSERT_EQ(shown.Compare(left, right), LoadResult::Ok);
    OverviewBar& bar = shown.view->Bar();
    const int rowsShown = shown.Pane(Side::Left).Scroll().fullLines;
    ASSERT_GT(rowsShown, 0);
    EXPECT_EQ(bar.VisibleTop(), 0);
    EXPECT_GT(bar.VisibleBottom(), 0);
    QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(10, 50));
    const int top = shown.Pane(Side::Left).Scroll().firstLine;
    EXPECT_EQ(top, 150 - rowsShown / 2) << "row 150 sits at pixel 50";
    EXPECT_EQ(shown.Pane(Side::Right).Scroll().firstLine, top);
    EXPECT_LE(bar.VisibleTop(), 50);
    EXPECT_GT(bar.VisibleBottom(), 50);
    // The frame is drawn: the bar's top pixel inside it has the text colour.
    const QImage image = bar.grab().toImage();
    EXPECT_EQ(QColor(image.pixel(kOverviewBarEdge + 4, bar.VisibleTop())),
              bar.palette().color(QPalette::WindowText));

    ASSERT_TRUE(shown.view->OnCommand(kCmdToggleBarMode));
    shown.view->DoublePane().ScrollBoth(0, 160);
    EXPECT_EQ(bar.VisibleTop(), 160 - shown.view->BarTop());
}

} // namespace
} // namespace varnex
