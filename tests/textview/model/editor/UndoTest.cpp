// Undo and redo: the ring's 127 steps, redo discarded by a new edit, runs and groups, overwrite
// and block indent undone whole, the modify hook.
#include "tests/textview/support/FakePlatform.h"
#include "tests/textview/support/SavedPaneGlobals.h"
#include "textview/model/settings/EditOptions.h"
#include "textview/model/settings/TabWidth.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace varnex {
namespace {

using test::EditedPane;

class UndoTest : public test::PaneGlobalsTest {
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

TEST_F(UndoTest, TheLatest127StepsCanBeUndone) {
    EditedPane pane({""});
    Type(pane, std::string(130, '.'));
    EXPECT_EQ(pane.editor.History().UndoableCount(), 127);
    int undone = 0;
    while (pane.editor.Undo())
        ++undone;
    EXPECT_EQ(undone, 127) << "punctuation makes no runs: one step each";
    EXPECT_EQ(pane.Line(0), "...");
    EXPECT_TRUE(pane.editor.Redo());
    EXPECT_EQ(pane.Line(0), "....");
}

TEST_F(UndoTest, ANewEditDiscardsWhatCouldBeRedone) {
    EditedPane pane({""});
    Type(pane, "a.b");
    ASSERT_TRUE(pane.editor.Undo());
    ASSERT_TRUE(pane.editor.Undo());
    EXPECT_EQ(pane.Line(0), "a");
    Type(pane, "x");
    EXPECT_FALSE(pane.editor.Redo());
    EXPECT_EQ(pane.Line(0), "ax");
}

TEST_F(UndoTest, TypedWordsAndBlanksUndoAsRuns) {
    EditedPane pane({""});
    Type(pane, "abc  de");
    std::vector<std::string> seen;
    while (pane.editor.Undo())
        seen.push_back(pane.Line(0));
    EXPECT_EQ(seen, (std::vector<std::string>{"abc  ", "abc", ""}));
    while (pane.editor.Redo())
        seen.push_back(pane.Line(0));
    EXPECT_EQ(seen.back(), "abc  de");
    EXPECT_EQ(seen.size(), 6u) << "redo takes the same runs";
    EXPECT_EQ(pane.Caret(), (TextPosition{7, 0}));
}

TEST_F(UndoTest, DeletedCharactersUndoAsRunsToo) {
    EditedPane pane({"one two"});
    pane.editor.MoveTo({7, 0}, false);
    for (int i = 0; i < 5; ++i)
        pane.editor.EditChar(EditCode::kBackspace, true);
    EXPECT_EQ(pane.Line(0), "on");
    ASSERT_TRUE(pane.editor.Undo());
    EXPECT_EQ(pane.Line(0), "one") << "the 'e' is a run of its own after the blank";
    ASSERT_TRUE(pane.editor.Undo());
    EXPECT_EQ(pane.Line(0), "one ");
    ASSERT_TRUE(pane.editor.Undo());
    EXPECT_EQ(pane.Line(0), "one two");
    EXPECT_EQ(pane.Caret(), (TextPosition{7, 0}));
}

TEST_F(UndoTest, OverwriteUndoBringsTheOldCharacterBack) {
    EditedPane pane({"cat"});
    pane.editor.ToggleInsertMode();
    pane.editor.MoveTo({1, 0}, false);
    Type(pane, "o");
    EXPECT_EQ(pane.Line(0), "cot");
    ASSERT_TRUE(pane.editor.Undo());
    EXPECT_EQ(pane.Line(0), "cat");
    pane.editor.ToggleInsertMode();
    ASSERT_TRUE(pane.editor.Redo());
    EXPECT_EQ(pane.Line(0), "cot") << "redo overwrites again, whatever the mode now";
}

TEST_F(UndoTest, ReplacingASelectionAndBlockIndentUndoInOneStep) {
    EditedPane pane({"alpha", "beta", "gamma"});
    pane.editor.MoveTo({0, 0}, false);
    pane.editor.MoveTo({2, 1}, true);
    Type(pane, "X");
    EXPECT_EQ(pane.Line(0), "Xta");
    ASSERT_TRUE(pane.editor.Undo());
    EXPECT_EQ(pane.Line(0), "alpha");
    EXPECT_EQ(pane.Line(1), "beta");

    pane.editor.MoveTo({0, 0}, false);
    pane.editor.MoveTo({1, 2}, true);
    ASSERT_TRUE(pane.editor.IndentBlock(false));
    EXPECT_EQ(pane.Line(2), "\tgamma");
    ASSERT_TRUE(pane.editor.Undo());
    EXPECT_EQ(pane.Line(0), "alpha");
    EXPECT_EQ(pane.Line(2), "gamma");
    ASSERT_TRUE(pane.editor.Redo());
    EXPECT_EQ(pane.Line(1), "\tbeta");
}

TEST_F(UndoTest, EnterAndJoinsComeBackExactly) {
    EditedPane pane({"    split here"});
    pane.editor.MoveTo({9, 0}, false);
    pane.editor.EditChar(EditCode::kEnter, true);
    pane.editor.MoveTo({0, 1}, false);
    pane.editor.EditChar(EditCode::kDeleteForward, true);
    ASSERT_TRUE(pane.editor.Undo());
    ASSERT_TRUE(pane.editor.Undo());
    EXPECT_EQ(pane.document.LineCount(), 1);
    EXPECT_EQ(pane.Line(0), "    split here");
    ASSERT_TRUE(pane.editor.Redo());
    EXPECT_EQ(pane.Line(1), "\t here") << "the indent as a tab, then the rest of the line";
}

TEST_F(UndoTest, TheModifyHookCancelsEditsAndUndoSilently) {
    EditedPane pane({"x"});
    bool allow = false;
    std::vector<EditRequest::Step> asked;
    pane.editor.SetModifyHook([&](const EditRequest& request) {
        asked.push_back(request.step);
        return allow;
    });
    EXPECT_FALSE(pane.editor.EditChar('a', true));
    EXPECT_EQ(pane.Line(0), "x");
    allow = true;
    EXPECT_TRUE(pane.editor.EditChar('a', true));
    allow = false;
    EXPECT_FALSE(pane.editor.Undo());
    EXPECT_EQ(pane.Line(0), "ax");
    EXPECT_EQ(pane.platform.beeps, 0);
    EXPECT_EQ(asked,
              (std::vector<EditRequest::Step>{EditRequest::Step::Edit, EditRequest::Step::Edit,
                                              EditRequest::Step::Undo}));
}

TEST_F(UndoTest, AReadOnlyPaneUndoesNothing) {
    EditedPane pane({""});
    Type(pane, "ab");
    pane.editor.SetEditable(false);
    EXPECT_FALSE(pane.editor.Undo());
    EXPECT_EQ(pane.Line(0), "ab");
}

} // namespace
} // namespace varnex
