// The pane's editor without a window: copying, the status line, read-only refusals, editing.
#include "tests/textview/support/FakePlatform.h"
#include "tests/textview/support/SavedPaneGlobals.h"
#include "textview/model/document/TextEdit.h"
#include "textview/model/editor/PaneStatus.h"
#include "textview/model/settings/EditOptions.h"
#include "textview/model/settings/TabWidth.h"

#include <gtest/gtest.h>

namespace varnex {
namespace {

using test::EditedPane;

class PaneEditorTest : public test::PaneGlobalsTest {
protected:
    void SetUp() override {
        TabWidth::Set(4);
        EditOptions::Set(0, ~std::uint32_t{0});
    }

    static void Select(EditedPane& pane, TextPosition from, TextPosition to) {
        pane.editor.MoveTo(from, false);
        pane.editor.MoveTo(to, true);
    }
};

TEST_F(PaneEditorTest, CopyTakesTheExactRangeOrWholeLines) {
    EditedPane pane({"alpha", "beta", "gamma"});
    Select(pane, {2, 0}, {3, 2});
    EXPECT_EQ(pane.editor.CopySelection(), 12);
    EXPECT_EQ(pane.platform.clipboard, "pha\nbeta\ngam");
    EditOptions::Set(EditOptions::kLineSelection, EditOptions::kLineSelection);
    pane.editor.CopySelection();
    EXPECT_EQ(pane.platform.clipboard, "alpha\nbeta\ngamma\n");
    Select(pane, {2, 0}, {0, 2});
    pane.editor.CopySelection();
    EXPECT_EQ(pane.platform.clipboard, "alpha\nbeta\n") << "a last line reached at column 0 is out";
}

TEST_F(PaneEditorTest, EmptyVirtualSelectionsCopyBlanksOrNothing) {
    EditedPane pane({"ab"});
    EditOptions::Set(EditOptions::kVirtualDisplay, EditOptions::kVirtualDisplay);
    Select(pane, {4, 0}, {7, 0});
    EXPECT_EQ(pane.editor.CopySelection(), 3);
    EXPECT_EQ(pane.platform.clipboard, "   ");
    pane.editor.MoveTo({0, 0}, false);
    pane.platform.clipboard.reset();
    EXPECT_EQ(pane.editor.CopySelection(), 0);
    EXPECT_FALSE(pane.platform.clipboard.has_value());
}

TEST_F(PaneEditorTest, SelectAllReachesPastTheLastLine) {
    EditedPane pane({"one", "two"});
    pane.editor.SelectAll();
    EXPECT_EQ(pane.editor.Caret().Anchor(), (TextPosition{0, 0}));
    EXPECT_EQ(pane.Caret(), (TextPosition{0, 2}));
    EXPECT_EQ(pane.editor.SelectedText(), "one\ntwo\n");
}

TEST(PaneStatusText, ColumnsOrLinesSelected) {
    EXPECT_EQ(DefaultStatusText({{0, 0}, {0, 0}, SelectionState::None}), " Zeile: 1  Spalte: 1");
    EXPECT_EQ(DefaultStatusText({{9, 3}, {2, 3}, SelectionState::OneLine}),
              " Zeile: 4  Spalte: 10 (X:7)");
    EXPECT_EQ(DefaultStatusText({{0, 6}, {0, 3}, SelectionState::AcrossLines}),
              " Zeile: 7  Spalte: 1 (Y:3)");
    EXPECT_EQ(DefaultStatusText({{4, 6}, {0, 3}, SelectionState::AcrossLines}),
              " Zeile: 7  Spalte: 5 (Y:4)");
}

TEST_F(PaneEditorTest, StatusIsPublishedWithFocusAndOnlyWhenItChanged) {
    EditedPane pane({"abc", "def"});
    pane.editor.SetStatusOutput(true);
    pane.editor.SetCaret(1, 0, 0);
    EXPECT_TRUE(pane.platform.published.empty()) << "a pane without focus publishes nothing";
    pane.editor.SetFocus(true);
    ASSERT_EQ(pane.platform.published.size(), 1u);
    EXPECT_EQ(pane.platform.published.back().first, " Zeile: 1  Spalte: 2");
    EXPECT_EQ(pane.platform.published.back().second, "Einf.");
    pane.editor.SetCaret(1, 0, 0);
    EXPECT_EQ(pane.platform.published.size(), 1u) << "unchanged";
    pane.editor.ToggleInsertMode();
    EXPECT_EQ(pane.platform.published.back().second, "Über.");
    pane.editor.SetFocus(false);
    pane.editor.SetFocus(true);
    EXPECT_EQ(pane.platform.published.size(), 3u) << "regaining the focus shows this pane again";
}

TEST_F(PaneEditorTest, AStatusHookGivesTheTextAndTheChangeKey) {
    EditedPane pane({"abc"});
    pane.editor.SetStatusOutput(true);
    pane.editor.SetStatusHook(
        [](const StatusQuery& query, std::uint64_t previous, std::string& text) {
            // Like the compare view's hook: no text while the key stays.
            if (query.caret.column == 2) return previous;
            text = "at " + std::to_string(query.caret.column);
            return previous + 1;
        });
    pane.editor.SetFocus(true);
    pane.editor.SetCaret(2, 0, 0);
    pane.editor.SetCaret(3, 0, 0);
    ASSERT_EQ(pane.platform.published.size(), 2u);
    EXPECT_EQ(pane.platform.published[0].first, "at 0");
    EXPECT_EQ(pane.platform.published[1].first, "at 3");
    pane.editor.SetCaret(2, 0, 0);
    pane.editor.ToggleInsertMode();
    ASSERT_EQ(pane.platform.published.size(), 3u);
    EXPECT_EQ(pane.platform.published.back(), (std::pair<std::string, std::string>{"at 3", "Über."}))
        << "a mode change keeps the caret field";
}

TEST_F(PaneEditorTest, AReadOnlyPaneCopiesButRefusesEveryEdit) {
    EditedPane pane({"keep me"});
    pane.editor.SetEditable(false);
    Select(pane, {0, 0}, {4, 0});
    pane.platform.clipboard = "new";
    EXPECT_FALSE(pane.editor.Paste());
    EXPECT_FALSE(pane.editor.DeleteSelection());
    EXPECT_EQ(pane.platform.clipboard, "new");
    EXPECT_EQ(pane.editor.CopySelection(), 4);
    EXPECT_EQ(pane.platform.clipboard, "keep");
    pane.platform.clipboard = "new";
    EXPECT_FALSE(pane.editor.CutSelection());
    EXPECT_EQ(pane.platform.clipboard, "keep") << "cut copies before the delete is refused";
    EXPECT_EQ(pane.platform.beeps, 3);
    EXPECT_EQ(pane.Line(0), "keep me");
}

TEST_F(PaneEditorTest, PasteReplacesTheSelectionAcrossLines) {
    EditedPane pane({"first line", "second line"});
    Select(pane, {6, 0}, {7, 1});
    pane.platform.clipboard = "one\ntwo\nthree ";
    ASSERT_TRUE(pane.editor.Paste());
    EXPECT_EQ(pane.document.LineCount(), 3);
    EXPECT_EQ(pane.Line(0), "first one");
    EXPECT_EQ(pane.Line(1), "two");
    EXPECT_EQ(pane.Line(2), "three line");
    EXPECT_EQ(pane.Caret(), (TextPosition{6, 2}));
    EditOptions::Set(EditOptions::kInsertBeforeCaret, EditOptions::kInsertBeforeCaret);
    pane.platform.clipboard = "<>";
    ASSERT_TRUE(pane.editor.Paste());
    EXPECT_EQ(pane.Line(2), "three <>line");
    EXPECT_EQ(pane.Caret(), (TextPosition{6, 2})) << "Vor Cursor einfügen";
}

TEST_F(PaneEditorTest, TheLimitsRefuseAnEditWhole) {
    EditedPane pane({"12345678"}, 2, 10);
    pane.editor.MoveTo({8, 0}, false);
    EXPECT_FALSE(pane.editor.InsertBytes("abc"));
    EXPECT_FALSE(pane.editor.InsertBytes("a\nb\nc"));
    EXPECT_EQ(pane.platform.beeps, 2);
    EXPECT_EQ(pane.document.LineCount(), 1);
    EXPECT_EQ(pane.Line(0), "12345678");
    EXPECT_TRUE(pane.editor.InsertBytes("9\n0"));
    EXPECT_EQ(pane.Line(1), "0");
}

TEST_F(PaneEditorTest, TextPastALineEndIsReachedWithTabsAndBlanks) {
    EditedPane pane({"ab", "cd"});
    EXPECT_EQ(InsertTextAt(pane.document, {9, 0}, "x"), (TextPosition{10, 0}));
    EXPECT_EQ(pane.Line(0), "ab\t\t x");
    ASSERT_TRUE(DeleteTextRange(pane.document, {6, 1}, {1, 2}));
    EXPECT_EQ(pane.Line(1), "cd\t  ") << "a start past the end keeps its column";
    EXPECT_EQ(pane.document.LineCount(), 2);
    EXPECT_EQ(TextBetween(pane.document, {1, 0}, {1, 1}), "b\t\t x\nc");
}

} // namespace
} // namespace varnex
