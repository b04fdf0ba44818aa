// Typing in a pane: insert and overwrite, Backspace and Delete with their joins, Enter with the
// indent, Tab, the space past line ends and the last line, the limits, block indent.
#include "tests/textview/support/FakePlatform.h"
#include "tests/textview/support/SavedPaneGlobals.h"
#include "textview/model/settings/EditOptions.h"
#include "textview/model/settings/TabWidth.h"

#include <gtest/gtest.h>

#include <string>

namespace varnex {
namespace {

using test::EditedPane;

class EditCharTest : public test::PaneGlobalsTest {
protected:
    void SetUp() override {
        TabWidth::Set(4);
        EditOptions::Set(0, ~std::uint32_t{0});
    }
    static void Type(EditedPane& pane, const std::string& text) {
        for (const char c : text)
            pane.editor.EditChar(static_cast<unsigned char>(c), true);
    }
};

TEST_F(EditCharTest, InsertAndOverwrite) {
    EditedPane pane({"abcd"});
    pane.editor.MoveTo({2, 0}, false);
    Type(pane, "XY");
    EXPECT_EQ(pane.Line(0), "abXYcd");
    pane.editor.ToggleInsertMode();
    Type(pane, "12");
    EXPECT_EQ(pane.Line(0), "abXY12");
    Type(pane, "3");
    EXPECT_EQ(pane.Line(0), "abXY123") << "past the end overwrite appends";
    EXPECT_EQ(pane.Caret(), (TextPosition{7, 0}));
}

TEST_F(EditCharTest, BackspaceAndDeleteJoinLines) {
    EditedPane pane({"one", "two"});
    pane.editor.MoveTo({0, 1}, false);
    EXPECT_TRUE(pane.editor.EditChar(EditCode::kBackspace, true));
    EXPECT_EQ(pane.Line(0), "onetwo");
    EXPECT_EQ(pane.Caret(), (TextPosition{3, 0}));
    EXPECT_TRUE(pane.editor.EditChar(EditCode::kDeleteForward, true));
    EXPECT_EQ(pane.Line(0), "onewo");
    EXPECT_TRUE(pane.editor.EditChar(EditCode::kBackspace, true));
    EXPECT_EQ(pane.Line(0), "onwo");
    pane.editor.MoveTo({4, 0}, false);
    EXPECT_FALSE(pane.editor.EditChar(EditCode::kDeleteForward, true)) << "nothing follows";
    pane.editor.MoveTo({0, 0}, false);
    EXPECT_FALSE(pane.editor.EditChar(EditCode::kBackspace, true));
    EXPECT_EQ(pane.platform.beeps, 2);
}

TEST_F(EditCharTest, EnterKeepsTheIndentUnlessTheCaretIsLeftOfIt) {
    EditedPane pane({"\t  body"});
    pane.editor.MoveTo({8, 0}, false);
    EXPECT_TRUE(pane.editor.EditChar(EditCode::kEnter, true));
    EXPECT_EQ(pane.Line(0), "\t  bo");
    EXPECT_EQ(pane.Line(1), "\t  dy") << "a tab for the full tab width, blanks for the rest";
    EXPECT_EQ(pane.Caret(), (TextPosition{6, 1}));
    pane.editor.MoveTo({0, 1}, false);
    pane.editor.EditChar(EditCode::kEnter, true);
    EXPECT_EQ(pane.Line(1), "");
    EXPECT_EQ(pane.Line(2), "\t  dy");
}

TEST_F(EditCharTest, TabsAndThePlacesPastTheText) {
    EditOptions::Set(EditOptions::kVirtualDisplay, EditOptions::kVirtualDisplay);
    EditedPane pane({"ab"});
    pane.editor.MoveTo({1, 0}, false);
    pane.editor.EditChar(EditCode::kTab, true);
    EXPECT_EQ(pane.Line(0), "a\tb");
    EXPECT_EQ(pane.Caret(), (TextPosition{4, 0})) << "the caret goes to the next tab stop";
    pane.editor.MoveTo({10, 0}, false);
    Type(pane, "x");
    EXPECT_EQ(pane.Line(0), "a\tb\t  x");
    pane.editor.MoveTo({2, 3}, false);
    EXPECT_EQ(pane.Caret(), (TextPosition{2, 1})) << "past the last line";
    Type(pane, "y");
    EXPECT_EQ(pane.Line(1), "  y");
    pane.editor.MoveTo({0, 2}, false);
    pane.editor.EditChar(EditCode::kEnter, true);
    EXPECT_EQ(pane.document.LineCount(), 3);
    EXPECT_EQ(pane.Line(2), "");
}

TEST_F(EditCharTest, TheLimitsBeepAndChangeNothing) {
    EditedPane pane({"1234", "x"}, 2, 5);
    pane.editor.MoveTo({4, 0}, false);
    EXPECT_TRUE(pane.editor.EditChar('5', true));
    EXPECT_FALSE(pane.editor.EditChar('6', true)) << "the line is full";
    EXPECT_FALSE(pane.editor.EditChar(EditCode::kEnter, true)) << "so is the pane";
    pane.editor.MoveTo({0, 1}, false);
    EXPECT_FALSE(pane.editor.EditChar(EditCode::kBackspace, true)) << "the joined line is too long";
    EXPECT_EQ(pane.platform.beeps, 3);
    EXPECT_EQ(pane.Line(0), "12345");
    EXPECT_EQ(pane.Line(1), "x");
    EXPECT_FALSE(pane.editor.EditChar(0x1B, true)) << "other control codes are ignored";
    EXPECT_EQ(pane.platform.beeps, 3);
}

TEST_F(EditCharTest, TypingReplacesTheSelection) {
    EditedPane pane({"keep THIS keep"});
    pane.editor.MoveTo({5, 0}, false);
    pane.editor.MoveTo({9, 0}, true);
    Type(pane, "that");
    EXPECT_EQ(pane.Line(0), "keep that keep");
    pane.editor.MoveTo({5, 0}, false);
    pane.editor.MoveTo({10, 0}, true);
    EXPECT_TRUE(pane.editor.EditChar(EditCode::kBackspace, true));
    EXPECT_EQ(pane.Line(0), "keep keep") << "Backspace only deletes the selection";
}

TEST_F(EditCharTest, BlockIndentAndUnindent) {
    EditedPane pane({"a", "  b", "\tc", "d"});
    pane.editor.MoveTo({0, 0}, false);
    pane.editor.MoveTo({0, 3}, true);
    ASSERT_TRUE(pane.editor.IndentBlock(false));
    EXPECT_EQ(pane.Line(0), "\ta");
    EXPECT_EQ(pane.Line(2), "\t\tc");
    EXPECT_EQ(pane.Line(3), "d") << "a last line reached at column 0 is left out";
    ASSERT_TRUE(pane.editor.IndentBlock(true));
    ASSERT_TRUE(pane.editor.IndentBlock(true));
    EXPECT_EQ(pane.Line(0), "a");
    EXPECT_EQ(pane.Line(1), "b") << "two blanks and the tab behind them";
    EXPECT_EQ(pane.Line(2), "c");
    EXPECT_FALSE(pane.editor.IndentBlock(true)) << "nothing left to take off";
}

TEST_F(EditCharTest, CopyWordAtCountsBothSides) {
    EditedPane pane({"say hello_world!"});
    EXPECT_EQ(pane.editor.CopyWordAt({6, 0}, false), (WordAround{2, 9}));
    EXPECT_EQ(pane.editor.CopyWordAt({15, 0}, false), (WordAround{11, 0})) << "a word ends at the position";
    EXPECT_EQ(pane.editor.CopyWordAt({16, 0}, false), WordAround{});
    EXPECT_EQ(pane.editor.CopyWordAt({0, 4}, false), WordAround{}) << "no such line";
    pane.editor.CopyWordAt({6, 0}, true);
    EXPECT_EQ(pane.platform.clipboard, "hello_world");
}

} // namespace
} // namespace varnex
