// The pane's keys without a window: repeats, scrolling keys, smart Home, read-only panes,
// selections ended by arrows, word jumps and the Clear key's repeat paste.
#include "textview/model/editor/PaneKeys.h"
#include "tests/textview/support/FakePlatform.h"
#include "tests/textview/support/SavedPaneGlobals.h"
#include "textview/model/editor/RepeatPaste.h"
#include "textview/model/settings/EditOptions.h"
#include "textview/model/settings/TabWidth.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace varnex {
namespace {

using test::EditedPane;

KeyPress Key(PaneKey key, bool shift = false, bool ctrl = false) {
    KeyPress press;
    press.key = key;
    press.shift = shift;
    press.ctrl = ctrl;
    return press;
}

KeyPress Ctrl(char letter) {
    KeyPress press = Key(PaneKey::Character, false, true);
    press.code = letter;
    return press;
}

std::vector<std::string> Lines(int count) {
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i)
        lines.push_back("line " + std::to_string(i));
    return lines;
}

class PaneKeysTest : public test::PaneGlobalsTest {
protected:
    void SetUp() override {
        TabWidth::Set(4);
        EditOptions::Set(0, ~std::uint32_t{0});
    }

    PaneKeys keys;
};

TEST_F(PaneKeysTest, ARepeatCountOfFiftyMovesThirtyTimes) {
    EditedPane pane(Lines(100));
    KeyPress down = Key(PaneKey::Down);
    down.repeat = 50;
    keys.PressKey(pane.editor, down);
    EXPECT_EQ(pane.Caret().line, 30);
    EXPECT_EQ(pane.platform.scroll.firstLine, 30 - pane.platform.scroll.fullLines + 1)
        << "the caret is brought into view";
}

TEST_F(PaneKeysTest, CtrlAloneScrollsAndLeavesTheCaret) {
    EditedPane pane(Lines(100));
    pane.editor.MoveTo({2, 5}, false);
    keys.PressKey(pane.editor, Key(PaneKey::Down, false, true));
    EXPECT_EQ(pane.platform.scroll.firstLine, 1);
    EXPECT_EQ(pane.Caret(), (TextPosition{2, 5}));
    keys.PressKey(pane.editor, Key(PaneKey::PageDown, false, true));
    EXPECT_EQ(pane.platform.scroll.firstLine, 1 + pane.platform.scroll.visibleLines - 1);
    keys.PressKey(pane.editor, Key(PaneKey::Down, true, true));
    EXPECT_EQ(pane.Caret(), (TextPosition{2, 6})) << "with Shift the caret moves";
    pane.editor.MoveTo({2, 6}, false);
    pane.editor.SetCaretEnabled(false);
    keys.PressKey(pane.editor, Key(PaneKey::Up));
    EXPECT_EQ(pane.Caret(), (TextPosition{2, 6})) << "without a caret the keys only scroll";
}

TEST_F(PaneKeysTest, SmartHomeBetweenIndentAndColumnZero) {
    EditedPane pane({"    indented text"});
    pane.editor.MoveTo({10, 0}, false);
    keys.PressKey(pane.editor, Key(PaneKey::Home));
    EXPECT_EQ(pane.Caret().column, 4);
    keys.PressKey(pane.editor, Key(PaneKey::Home));
    EXPECT_EQ(pane.Caret().column, 0);
    keys.PressKey(pane.editor, Key(PaneKey::Home));
    EXPECT_EQ(pane.Caret().column, 4);
    keys.PressKey(pane.editor, Key(PaneKey::End, true));
    EXPECT_EQ(pane.Caret().column, 17);
    EXPECT_EQ(pane.editor.Caret().Anchor().column, 4) << "Shift+End extends";
}

TEST_F(PaneKeysTest, AReadOnlyPaneMovesCopiesAndSelectsButBeepsAtEdits) {
    EditedPane pane({"read only"});
    pane.editor.SetEditable(false);
    keys.PressKey(pane.editor, Key(PaneKey::Right, true));
    keys.PressKey(pane.editor, Ctrl('C'));
    EXPECT_EQ(pane.platform.clipboard, "r");
    keys.PressKey(pane.editor, Ctrl('A'));
    EXPECT_EQ(pane.Caret(), (TextPosition{0, 1}));
    EXPECT_EQ(pane.platform.beeps, 0);
    keys.PressKey(pane.editor, Key(PaneKey::Delete));
    keys.TypeCharacter(pane.editor, EditCode::kBackspace, false);
    keys.TypeCharacter(pane.editor, 'x', false);
    keys.PressKey(pane.editor, Ctrl('V'));
    EXPECT_EQ(pane.platform.beeps, 4);
    EXPECT_EQ(pane.Line(0), "read only");
}

TEST_F(PaneKeysTest, ControlCharactersOfShortcutsAreNotTyped) {
    EditedPane pane({"x"});
    pane.editor.SetEditable(false);
    keys.PressKey(pane.editor, Ctrl('Q'));
    keys.TypeCharacter(pane.editor, 0x11, false);
    EXPECT_EQ(pane.platform.beeps, 0);
}

TEST_F(PaneKeysTest, ArrowsEndASelectionAtItsStartOrEnd) {
    EditedPane pane({"0123456789", "second"});
    pane.editor.MoveTo({7, 0}, false);
    pane.editor.MoveTo({3, 0}, true);
    keys.PressKey(pane.editor, Key(PaneKey::Right));
    EXPECT_EQ(pane.Caret(), (TextPosition{7, 0}));
    EXPECT_FALSE(pane.editor.Caret().HasSelection());
    pane.editor.MoveTo({2, 1}, true);
    keys.PressKey(pane.editor, Key(PaneKey::Up));
    EXPECT_EQ(pane.Caret(), (TextPosition{7, 0}));
    keys.PressKey(pane.editor, Key(PaneKey::Right, true, true));
    EXPECT_EQ(pane.Caret(), (TextPosition{10, 0})) << "Ctrl+Shift+Right jumps a word, extending";
    EXPECT_EQ(pane.editor.Caret().Anchor(), (TextPosition{7, 0}));
}

TEST(RepeatPasteNumber, HexKeepsItsDigitsDecimalItsLength) {
    EXPECT_EQ(IncrementedNumber("0x0F"), "0x10");
    EXPECT_EQ(IncrementedNumber("0X00ff"), "0x0100");
    EXPECT_EQ(IncrementedNumber("007"), "008");
    EXPECT_EQ(IncrementedNumber("99"), "100");
    EXPECT_FALSE(IncrementedNumber("x1").has_value());
    EXPECT_FALSE(IncrementedNumber("").has_value());
    EXPECT_FALSE(IncrementedNumber("1234567890123456").has_value()) << "16 characters";
}

TEST_F(PaneKeysTest, CtrlShiftClearPastesAndCountsTheClipboardUp) {
    EditedPane pane({"a", "b = XXXX;", "c = YYYY;"});
    pane.editor.MoveTo({4, 1}, false);
    pane.editor.MoveTo({8, 1}, true);
    pane.platform.clipboard = "0x0F";
    KeyPress clear = Key(PaneKey::Clear, true, true);
    keys.PressKey(pane.editor, clear);
    EXPECT_EQ(pane.Line(1), "b = 0x0F;");
    EXPECT_EQ(pane.platform.clipboard, "0x10");
    EXPECT_EQ(pane.Caret(), (TextPosition{8, 2}));
    EXPECT_EQ(pane.editor.Caret().Anchor(), (TextPosition{4, 2}));
    keys.PressKey(pane.editor, clear);
    EXPECT_EQ(pane.Line(2), "c = 0x10;");
    EXPECT_EQ(pane.platform.clipboard, "0x11");
}

} // namespace
} // namespace varnex
