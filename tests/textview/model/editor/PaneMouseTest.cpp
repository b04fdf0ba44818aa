// The pane's mouse without a window: clicks and drag selection, double and triple clicks,
// pending drags and drops.
#include "textview/model/editor/PaneMouse.h"
#include "tests/textview/support/FakePlatform.h"

#include <gtest/gtest.h>

namespace varnex {
namespace {

using test::EditedPane;

PointerHit At(int column, int line) {
    return {{column, line}, {column, line}};
}

TEST(PaneMouse, ClickAndDragSelect) {
    EditedPane pane({"first line", "second line"});
    PaneMouse mouse;
    EXPECT_FALSE(mouse.Press(pane.editor, At(2, 0), false, false, 0));
    EXPECT_EQ(mouse.Move(pane.editor, At(3, 1)), PaneMouse::Motion::Selecting);
    mouse.Release(pane.editor);
    EXPECT_EQ(pane.editor.Caret().Anchor(), (TextPosition{2, 0}));
    EXPECT_EQ(pane.Caret(), (TextPosition{3, 1}));
    EXPECT_EQ(mouse.Move(pane.editor, At(5, 1)), PaneMouse::Motion::Nothing) << "button up";
    mouse.Press(pane.editor, At(6, 1), true, false, 10);
    EXPECT_EQ(pane.editor.Caret().Anchor(), (TextPosition{2, 0})) << "Shift+click extends";
    EXPECT_EQ(pane.Caret(), (TextPosition{6, 1}));
}

TEST(PaneMouse, DoubleClickSelectsAWordAndAQuickThirdClickTheLine) {
    EditedPane pane({"one two three"});
    PaneMouse mouse;
    mouse.Press(pane.editor, At(5, 0), false, false, 1000);
    mouse.DoubleClick(pane.editor, At(5, 0), 1100);
    EXPECT_EQ(pane.editor.SelectedText(), "two");
    mouse.Press(pane.editor, At(5, 0), false, false, 1100 + PaneMouse::kTripleClickMs - 1);
    EXPECT_EQ(pane.editor.SelectedText(), "one two three");

    mouse.DoubleClick(pane.editor, At(5, 0), 5000);
    mouse.Press(pane.editor, At(5, 0), false, false, 5000 + PaneMouse::kTripleClickMs);
    mouse.Release(pane.editor);
    EXPECT_FALSE(pane.editor.Caret().HasSelection()) << "301 ms later it is a new click";
    mouse.DoubleClick(pane.editor, At(5, 0), 9000);
    mouse.Press(pane.editor, At(9, 0), false, false, 9010);
    EXPECT_NE(pane.editor.SelectedText(), "one two three") << "elsewhere it is a new click";
}

TEST(PaneMouse, APressInsideTheSelectionWaitsForADrag) {
    EditedPane pane({"drag this word"});
    PaneMouse mouse;
    pane.editor.MoveTo({5, 0}, false);
    pane.editor.MoveTo({9, 0}, true);
    EXPECT_TRUE(mouse.Press(pane.editor, At(7, 0), false, false, 0));
    EXPECT_TRUE(pane.editor.Caret().HasSelection()) << "the click waits";
    mouse.Release(pane.editor);
    EXPECT_EQ(pane.Caret(), (TextPosition{7, 0})) << "released without moving: a click";

    pane.editor.MoveTo({5, 0}, false);
    pane.editor.MoveTo({9, 0}, true);
    ASSERT_TRUE(mouse.Press(pane.editor, At(9, 0), false, false, 0)) << "both ends count";
    EXPECT_EQ(mouse.Move(pane.editor, At(9, 0)), PaneMouse::Motion::Nothing);
    EXPECT_EQ(mouse.Move(pane.editor, At(11, 0)), PaneMouse::Motion::StartDrag);
    mouse.DragEnded(pane.editor, false);
    EXPECT_EQ(pane.Caret(), (TextPosition{9, 0})) << "nothing dropped: the click after all";
    EXPECT_FALSE(pane.editor.Caret().HasSelection());

    mouse.SetDragEnabled(false);
    pane.editor.MoveTo({5, 0}, true);
    EXPECT_FALSE(mouse.Press(pane.editor, At(7, 0), false, false, 0));
}

TEST(PaneMouse, APressWithAKeyHeldInsideTheSelectionIsAClickNotADrag) {
    EditedPane pane({"0123456789ab"});
    PaneMouse mouse;
    pane.editor.MoveTo({2, 0}, false);
    pane.editor.MoveTo({9, 0}, true);
    EXPECT_FALSE(mouse.Press(pane.editor, At(5, 0), true, false, 0)) << "Shift";
    mouse.Release(pane.editor);
    EXPECT_EQ(pane.editor.SelectedText(), "234") << "Shift+click shrinks the selection";

    EXPECT_FALSE(mouse.Press(pane.editor, At(3, 0), false, true, 0)) << "Ctrl or another button";
    EXPECT_FALSE(pane.editor.Caret().HasSelection());
}

TEST(PaneMouse, MovingADropWithinThePaneTakesTheTextAlong) {
    EditedPane pane({"take THIS away", "and here"});
    pane.editor.MoveTo({5, 0}, false);
    pane.editor.MoveTo({10, 0}, true);
    EXPECT_FALSE(DropText(pane.editor, {7, 0}, "THIS ", true)) << "inside the selection";
    ASSERT_TRUE(DropText(pane.editor, {14, 0}, "THIS ", true));
    EXPECT_EQ(pane.Line(0), "take awayTHIS ");
    pane.editor.MoveTo({0, 0}, false);
    pane.editor.MoveTo({5, 0}, true);
    ASSERT_TRUE(DropText(pane.editor, {3, 1}, "take ", false)) << "a copy stays";
    EXPECT_EQ(pane.Line(0), "take awayTHIS ");
    EXPECT_EQ(pane.Line(1), "andtake  here");
    pane.editor.SetEditable(false);
    EXPECT_FALSE(DropText(pane.editor, {0, 0}, "x", false));
}

TEST(PaneMouse, AutoScrollSpeedsUpWithThePointersDistanceUpToAPage) {
    struct Case {
        int distance;
        int cellSize;
        int page;
        int expected;
    };
    const Case cases[] = {
        {-30, 16, 20, 0},  {0, 16, 20, 0},                     // inside the pane
        {1, 16, 20, 1},    {16, 16, 20, 1},   {17, 16, 20, 2}, // a row's edge
        {160, 16, 20, 10}, {900, 16, 20, 20},                  // a page at most
        {900, 16, 0, 1},   {5, 0, 20, 5},                      // a page or cell of nothing
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AutoScrollStep(c.distance, c.cellSize, c.page), c.expected)
            << c.distance << " px, cell " << c.cellSize << ", page " << c.page;
    }
}

} // namespace
} // namespace varnex
