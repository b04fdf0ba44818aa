// The double-pane window in the view: layouts, gap, coupled scrolling, focus, navigation.
#include "tests/app/compare/ViewTestSupport.h"

#include "app/doublepane/TitleBar.h"
#include "app/overview/OverviewBar.h"
#include "res/CommandId.h"

#include <QDialog>
#include <QFocusEvent>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace varnex {
namespace {

using test::ShownView;

QRect PaneRect(CTextDoubleWnd& window, Side side) {
    return window.Pane(side).geometry();
}

std::string NumberedLines(int count, const std::string& prefix) {
    std::string text;
    for (int line = 0; line < count; ++line)
        text += prefix + std::to_string(line) + "\n";
    return text;
}

TEST(CompareViewLayout, BarWidthFollowsTheParityOfTheWidth) {
    ShownView odd(801, 300);
    EXPECT_EQ(odd.view->Bar().geometry(), QRect(785, 0, 16, 300));
    EXPECT_EQ(odd.view->DoublePane().width(), 785);
    ShownView even(800, 300);
    EXPECT_EQ(even.view->Bar().geometry(), QRect(783, 0, 17, 300));
    EXPECT_EQ(even.view->DoublePane().width(), 783);
}

TEST(CompareViewLayout, TitleBarsAppearWithTheFirstTitle) {
    ShownView shown(801, 300);
    CTextDoubleWnd& window = shown.view->DoublePane();
    EXPECT_EQ(PaneRect(window, Side::Left), QRect(0, 0, 392, 300));
    EXPECT_EQ(PaneRect(window, Side::Right), QRect(393, 0, 392, 300));
    EXPECT_FALSE(window.TitleBarOf(Side::Left).isVisible());
    shown.view->SetTitle(Side::Right, "rechts");
    const int titleHeight = window.Geometry().titleHeight;
    EXPECT_GE(titleHeight, kMinTitleHeight);
    EXPECT_TRUE(window.TitleBarOf(Side::Left).isVisible());
    EXPECT_TRUE(window.TitleBarOf(Side::Right).isVisible());
    EXPECT_EQ(window.TitleBarOf(Side::Right).geometry(), QRect(393, 0, 392, titleHeight));
    EXPECT_EQ(PaneRect(window, Side::Left), QRect(0, titleHeight, 392, 300 - titleHeight));
}

TEST(CompareViewLayout, TogglingTheViewModeTwiceRestoresTheLayout) {
    ShownView shown(801, 301);
    shown.view->SetTitle(Side::Left, "links");
    CTextDoubleWnd& window = shown.view->DoublePane();
    const QRect before[2] = {PaneRect(window, Side::Left), PaneRect(window, Side::Right)};
    ASSERT_TRUE(shown.view->OnCommand(kCmdToggleViewMode));
    const DoublePaneGeometry stacked = LayOutStacked(785, 301, window.Geometry().titleHeight);
    EXPECT_EQ(PaneRect(window, Side::Right),
              QRect(0, stacked.panes[1].y, 785, stacked.panes[1].height));
    EXPECT_EQ(window.TitleBarOf(Side::Right).y(), stacked.titles[1].y);
    CommandState state;
    ASSERT_TRUE(shown.view->OnUpdateCommand(kCmdToggleViewMode, state));
    EXPECT_TRUE(state.checked);
    ASSERT_TRUE(shown.view->OnCommand(kCmdToggleViewMode));
    EXPECT_EQ(PaneRect(window, Side::Left), before[0]);
    EXPECT_EQ(PaneRect(window, Side::Right), before[1]);
}

TEST(CompareViewLayout, TheGapIsBlackBesideAndARaisedEdgeBetween) {
    ShownView shown(801, 300);
    CTextDoubleWnd& window = shown.view->DoublePane();
    QImage image = window.grab().toImage();
    EXPECT_EQ(QColor(image.pixel(window.Geometry().gapAt, 150)), QColor(Qt::black));
    shown.view->SetViewMode(ViewMode::Stacked);
    image = window.grab().toImage();
    const int edge = window.Geometry().gapAt;
    EXPECT_EQ(QColor(image.pixel(400, edge + 1)), QColor(Qt::white));
    EXPECT_EQ(QColor(image.pixel(400, edge + 3)), window.palette().color(QPalette::Button));
    EXPECT_EQ(QColor(image.pixel(400, edge + 6)), QColor(Qt::black));
    EXPECT_EQ(PaneRect(window, Side::Right).top(), edge + kStackedGapRows);
}

TEST(CompareViewScrolling, OnePaneScrollsTheOtherAndTheViewLearnsThePosition) {
    ShownView shown(601, 300);
    const std::string text = NumberedLines(300, "a line long enough to scroll sideways, number ");
    ASSERT_EQ(shown.Compare(text, text), LoadResult::Ok);
    shown.Pane(Side::Right).ScrollTo(4, 40);
    EXPECT_EQ(shown.Pane(Side::Left).Scroll().firstLine, 40);
    EXPECT_EQ(shown.Pane(Side::Left).Scroll().firstColumn, 4);
    EXPECT_EQ(shown.view->TopRow(), 40);
    EXPECT_EQ(shown.view->FirstColumn(), 4);
    shown.Pane(Side::Left).verticalScrollBar()->setValue(75);
    EXPECT_EQ(shown.Pane(Side::Right).Scroll().firstLine, 75);
    EXPECT_EQ(shown.view->TopRow(), 75);
}

// Only the left file has a line wider than the panes, so only the left pane needs a
// horizontal scroll bar, and fewer rows fit into it.
void CheckBothPanesKeepTheSameFirstRowAndColumn(ShownView& shown) {
    std::string left = NumberedLines(100, "line ");
    const std::string right = left;
    left.insert(left.find("line 6\n") + 6, std::string(300, 'x'));
    ASSERT_EQ(shown.Compare(left, right), LoadResult::Ok);
    QApplication::processEvents();
    for (const Side scrolled : kBothSides) {
        CComparePane& pane = shown.Pane(scrolled);
        CComparePane& other = shown.Pane(OtherSide(scrolled));
        pane.verticalScrollBar()->setValue(pane.verticalScrollBar()->maximum());
        EXPECT_EQ(other.Scroll().firstLine, pane.Scroll().firstLine);
        EXPECT_EQ(other.verticalScrollBar()->maximum(), pane.verticalScrollBar()->maximum());
        pane.horizontalScrollBar()->setValue(50);
        EXPECT_EQ(other.Scroll().firstColumn, 50) << "the narrower file's pane goes along";
        pane.verticalScrollBar()->setValue(0);
        pane.horizontalScrollBar()->setValue(0);
    }
}

TEST(CompareViewScrolling, BothPanesShowTheSameRowsInEitherLayout) {
    ShownView sideBySide(801, 400);
    CheckBothPanesKeepTheSameFirstRowAndColumn(sideBySide);
    ShownView stacked(801, 401);
    ASSERT_TRUE(stacked.view->OnCommand(kCmdToggleViewMode));
    CheckBothPanesKeepTheSameFirstRowAndColumn(stacked);
}

TEST(CompareViewScrolling, PanesOfDifferentSizesStillScrollAsOne) {
    ShownView shown(801, 400);
    CheckBothPanesKeepTheSameFirstRowAndColumn(shown);
    shown.Pane(Side::Right).resize(200, 250);
    QApplication::processEvents();
    shown.Pane(Side::Right).verticalScrollBar()->setValue(1000);
    EXPECT_EQ(shown.Pane(Side::Left).Scroll().firstLine,
              shown.Pane(Side::Right).Scroll().firstLine);
}

TEST(CompareViewScrolling, FocusMakesAPaneTheActiveOne) {
    ShownView shown;
    shown.view->activateWindow();
    shown.Pane(Side::Right).setFocus();
    QApplication::processEvents();
    EXPECT_EQ(shown.view->DoublePane().ActiveSide(), Side::Right);
    EXPECT_EQ(&shown.view->ActivePane(), &shown.Pane(Side::Right));
    shown.Pane(Side::Left).setFocus();
    shown.view->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(shown.view->DoublePane().ActiveSide(), Side::Left);
    EXPECT_TRUE(shown.Pane(Side::Left).hasFocus());
}

// The bar as drawn, taken right of its text, against the colour of its palette's highlight.
bool TitleDrawnHighlighted(TitleBar& bar) {
    const QImage image = bar.grab().toImage();
    const QColor drawn = image.pixelColor(image.width() - 6, image.height() / 2);
    return drawn == bar.palette().color(QPalette::Active, QPalette::Highlight);
}

TEST(CompareViewScrolling, TheActivePanesTitleIsHighlightedAndStaysSoBehindADialog) {
    ShownView shown;
    CTextDoubleWnd& window = shown.view->DoublePane();
    shown.view->SetTitle(Side::Left, "links");
    shown.view->SetTitle(Side::Right, "rechts");
    shown.view->activateWindow();
    QApplication::processEvents();
    EXPECT_TRUE(TitleDrawnHighlighted(window.TitleBarOf(Side::Left)));
    EXPECT_FALSE(TitleDrawnHighlighted(window.TitleBarOf(Side::Right)));

    shown.Pane(Side::Right).setFocus();
    QApplication::processEvents();
    EXPECT_FALSE(TitleDrawnHighlighted(window.TitleBarOf(Side::Left)));
    EXPECT_TRUE(TitleDrawnHighlighted(window.TitleBarOf(Side::Right)));

    QDialog dialog(shown.view.get());
    dialog.setModal(true);
    dialog.show();
    dialog.activateWindow();
    QFocusEvent givenAway(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(&shown.Pane(Side::Right), &givenAway);
    QApplication::processEvents();
    EXPECT_EQ(window.ActiveSide(), Side::Right);
    EXPECT_FALSE(TitleDrawnHighlighted(window.TitleBarOf(Side::Left)));
    EXPECT_TRUE(TitleDrawnHighlighted(window.TitleBarOf(Side::Right)));
}

// 200 equal lines with lines 100 and 150 changed on the right.
struct TwoBlocks : ShownView {
    TwoBlocks() : ShownView(601, 300) {
        std::string left = NumberedLines(200, "line ");
        std::string right = left;
        right.replace(right.find("line 100\n"), 9, "LINE 100\n");
        right.replace(right.find("line 150\n"), 9, "LINE 150\n");
        EXPECT_EQ(Compare(left, right), LoadResult::Ok);
    }

    // True when the margin of pane `side` shows the yellow marker beside visible row `row`.
    bool MarkerBeside(Side side, int row) {
        const QImage image = test::GrabPane(Pane(side));
        const int y = test::CellRect(Pane(side), 0, row).center().y();
        return QColor(image.pixel(1, y)) == QColor(Qt::yellow);
    }
};

TEST(CompareViewNavigation, NextPutsTheBlockStartInTheMiddleOfBothPanes) {
    TwoBlocks shown;
    CommandState state;
    ASSERT_TRUE(shown.view->OnUpdateCommand(kCmdPreviousBlock, state));
    EXPECT_FALSE(state.enabled);
    ASSERT_TRUE(shown.view->OnCommand(kCmdNextBlock));
    const int middle = 100 - shown.Pane(Side::Left).Scroll().visibleLines / 2;
    EXPECT_EQ(shown.Pane(Side::Left).Scroll().firstLine, middle);
    EXPECT_EQ(shown.Pane(Side::Right).Scroll().firstLine, middle);
    EXPECT_EQ(shown.view->TopRow(), middle);
    EXPECT_TRUE(shown.MarkerBeside(Side::Left, 100 - middle));
    EXPECT_TRUE(shown.MarkerBeside(Side::Right, 100 - middle));
    EXPECT_FALSE(shown.MarkerBeside(Side::Left, 99 - middle));
    EXPECT_FALSE(shown.MarkerBeside(Side::Right, 101 - middle));
    ASSERT_TRUE(shown.view->OnUpdateCommand(kCmdFirstBlock, state));
    EXPECT_FALSE(state.enabled); // the first block is the current one
    ASSERT_TRUE(shown.view->OnUpdateCommand(kCmdLastBlock, state));
    EXPECT_TRUE(state.enabled);
}

TEST(CompareViewNavigation, AVisibleBlockStartOnlyMovesTheMarker) {
    TwoBlocks shown;
    shown.view->DoublePane().ScrollBoth(0, 140);
    ASSERT_TRUE(shown.view->OnCommand(kCmdLastBlock));
    EXPECT_EQ(shown.Pane(Side::Left).Scroll().firstLine, 140);
    EXPECT_EQ(shown.view->MarkStart(), 150);
    EXPECT_EQ(shown.view->MarkEnd(), 151);
    EXPECT_TRUE(shown.MarkerBeside(Side::Left, 10));
    ASSERT_TRUE(shown.view->OnCommand(kCmdPreviousBlock));
    EXPECT_EQ(shown.view->MarkStart(), 100);
    EXPECT_EQ(shown.Pane(Side::Right).Scroll().firstLine,
              100 - shown.Pane(Side::Right).Scroll().visibleLines / 2);
}

TEST(CompareViewNavigation, TheJumpToTheFirstBlockIsPostedAndRunsOnce) {
    ShownView shown(601, 300);
    shown.view->SetJumpToFirst(true);
    const std::string left = NumberedLines(120, "x");
    ASSERT_EQ(shown.view->LoadAndCompare(test::WriteScratchFile("left.txt", left),
                                         test::WriteScratchFile("right.txt", left + "end\n")),
              LoadResult::Ok);
    EXPECT_EQ(shown.view->Engine().Navigator().CurrentBlock(), -1);
    QApplication::processEvents();
    EXPECT_EQ(shown.view->Engine().Navigator().CurrentBlock(), 0);
    EXPECT_EQ(shown.view->MarkStart(), 120);
    ASSERT_EQ(shown.view->Reload(), LoadResult::Ok);
    QApplication::processEvents();
    EXPECT_EQ(shown.view->Engine().Navigator().CurrentBlock(), -1);
}

} // namespace
} // namespace varnex
