// SetCaret: relative and absolute moves, wrapping, tabs, virtual display, selections, hooks.
#include "tests/textview/support/FakePlatform.h"
#include "tests/textview/support/SavedPaneGlobals.h"
#include "textview/model/document/TextColumns.h"
#include "textview/model/settings/EditOptions.h"
#include "textview/model/settings/TabWidth.h"

#include <gtest/gtest.h>

namespace varnex {
namespace {

using test::EditedPane;

class CaretTest : public test::PaneGlobalsTest {
protected:
    void SetUp() override {
        TabWidth::Set(4);
        EditOptions::Set(0, ~std::uint32_t{0});
    }

    static constexpr int kRelative = CaretMove::kRelative;
    static constexpr int kExtend = CaretMove::kExtend;
};

TEST_F(CaretTest, ColumnsAndBytesAcrossATab) {
    constexpr TextEncoding kCp1252 = TextEncoding::Windows1252;
    const std::uint8_t text[] = {'a', '\t', 'b'};
    EXPECT_EQ(ColumnToIndex(text, 3, 2, 4, kCp1252), 2) << "inside the tab: the index after it";
    EXPECT_EQ(ColumnToIndex(text, 3, 4, 4, kCp1252), 2);
    EXPECT_EQ(ColumnToIndex(text, 3, 5, 4, kCp1252), 3);
    EXPECT_EQ(ColumnToIndex(text, 3, 99, 4, kCp1252), 3);
    EXPECT_EQ(IndexToColumn(text, 3, 2, 4, kCp1252), 4);
    EXPECT_EQ(IndexToColumn(text, 3, 9, 4, kCp1252), 5) << "bytes past the end are not counted";

    EditedPane pane({"a\tb"});
    pane.editor.SetCaret(1, 0, 0);
    pane.editor.SetCaret(1, 0, kRelative);
    EXPECT_EQ(pane.Caret(), (TextPosition{4, 0})) << "right into a tab snaps forward";
    pane.editor.SetCaret(3, 0, 0);
    EXPECT_EQ(pane.Caret(), (TextPosition{1, 0})) << "anything else snaps back to the tab";
    pane.editor.SetCaret(-1, 0, kRelative);
    EXPECT_EQ(pane.Caret(), (TextPosition{0, 0}));
}

TEST_F(CaretTest, WrappingAtLineStartsAndEnds) {
    EditedPane pane({"zero", "one", "two", "three", "four!!", "five"});
    pane.editor.SetCaret(0, 5, 0);
    pane.editor.SetCaret(-1, 0, kRelative);
    EXPECT_EQ(pane.Caret(), (TextPosition{6, 4})) << "left at column 0: end of the line above";
    pane.editor.SetCaret(0, 5, 0);
    pane.editor.SetCaret(-1, 0, kRelative | CaretMove::kNoWrap);
    EXPECT_EQ(pane.Caret(), (TextPosition{0, 5}));
    pane.editor.SetCaret(3, 1, 0);
    pane.editor.SetCaret(1, 0, kRelative);
    EXPECT_EQ(pane.Caret(), (TextPosition{0, 2})) << "right at the end: start of the next line";
    pane.editor.SetCaret(9, 1, 0);
    EXPECT_EQ(pane.Caret(), (TextPosition{3, 1})) << "an absolute column stops at the end";
    pane.editor.SetCaret(0, -3, 0);
    EXPECT_EQ(pane.Caret(), (TextPosition{0, 0}));
    pane.editor.SetCaret(2, 5, 0);
    pane.editor.SetCaret(0, 1, kRelative);
    EXPECT_EQ(pane.Caret(), (TextPosition{0, 6})) << "down from the last line: after it, column 0";
    pane.editor.SetCaret(4, 99, 0);
    EXPECT_EQ(pane.Caret(), (TextPosition{0, 6}));
}

TEST_F(CaretTest, VerticalMovesKeepTheRememberedColumn) {
    EditedPane pane({"a long line", "ab", "another long one"});
    pane.editor.SetCaret(8, 0, 0);
    pane.editor.SetCaret(0, 1, kRelative);
    EXPECT_EQ(pane.Caret(), (TextPosition{2, 1}));
    EXPECT_EQ(pane.editor.Caret().RememberedColumn(), 8);
    pane.editor.SetCaret(0, 1, kRelative);
    EXPECT_EQ(pane.Caret(), (TextPosition{8, 2}));
    pane.editor.SetCaret(-1, 0, kRelative);
    EXPECT_EQ(pane.editor.Caret().RememberedColumn(), 7) << "horizontal moves set it anew";
}

TEST_F(CaretTest, VirtualDisplayLetsTheCaretStandPastTheEnd) {
    EditOptions::Set(EditOptions::kVirtualDisplay, EditOptions::kVirtualDisplay);
    EditedPane pane({"ab", "abcdef"});
    pane.editor.SetCaret(5, 1, 0);
    pane.editor.SetCaret(0, -1, kRelative);
    EXPECT_EQ(pane.Caret(), (TextPosition{5, 0})) << "no remembered column with virtual display";
    pane.editor.SetCaret(1, 0, kRelative);
    EXPECT_EQ(pane.Caret(), (TextPosition{6, 0})) << "no wrap at the end either";
    pane.editor.SetCaret(0, 5, kRelative);
    EXPECT_EQ(pane.Caret(), (TextPosition{6, 2})) << "past the last line, coming from a line";
    pane.editor.SetCaret(3, 0, kRelative);
    EXPECT_EQ(pane.Caret(), (TextPosition{0, 2})) << "already past it: column 0";
}

TEST_F(CaretTest, SelectionStatesAndSingleStepsCollapseIt) {
    EditedPane pane({"0", "1", "the selected line", "3", "4"});
    pane.editor.SetCaret(3, 2, 0);
    pane.editor.SetCaret(7, 2, kExtend);
    EXPECT_EQ(pane.editor.Caret().Selection(), SelectionState::OneLine);
    pane.editor.SetCaret(-1, 0, kRelative);
    EXPECT_EQ(pane.Caret(), (TextPosition{3, 2})) << "left ends at the anchor";
    EXPECT_FALSE(pane.editor.Caret().HasSelection());

    pane.editor.SetCaret(7, 2, 0);
    pane.editor.SetCaret(3, 2, kExtend);
    pane.editor.SetCaret(1, 0, kRelative);
    EXPECT_EQ(pane.Caret(), (TextPosition{7, 2})) << "right ends at the anchor";

    pane.editor.SetCaret(3, 2, 0);
    pane.editor.SetCaret(1, 3, kExtend);
    EXPECT_EQ(pane.editor.Caret().Selection(), SelectionState::AcrossLines);
    pane.editor.SetCaret(0, -1, kRelative);
    EXPECT_EQ(pane.Caret().line, 1) << "up ends on the line before the anchor";
    pane.editor.SetCaret(5, 2, 0);
    pane.editor.SetCaret(5, 2, kExtend);
    EXPECT_EQ(pane.editor.Caret().Selection(), SelectionState::None);
}

TEST_F(CaretTest, TheMovedHookOnlyOnMovesTheStatusAlways) {
    EditedPane pane({"abc"});
    int moved = 0;
    int status = 0;
    pane.editor.Caret().SetMovedHook([&] { ++moved; });
    pane.editor.Caret().SetStatusHook([&] { ++status; });
    pane.editor.SetCaret(2, 0, 0);
    pane.editor.SetCaret(2, 0, 0);
    EXPECT_EQ(moved, 1);
    EXPECT_EQ(status, 2);
}

} // namespace
} // namespace varnex
