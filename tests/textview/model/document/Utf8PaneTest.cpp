// A pane that shows its bytes as UTF-8: columns, caret steps, word jumps, edits and switching the
// encoding, each by whole characters while the bytes stay as stored.
#include "tests/textview/support/FakePlatform.h"
#include "tests/textview/support/SavedPaneGlobals.h"
#include "textview/model/document/TextColumns.h"
#include "textview/model/editor/CharClass.h"
#include "textview/model/editor/PaneKeys.h"
#include "textview/model/editor/WordJump.h"
#include "textview/model/settings/EditOptions.h"
#include "textview/model/settings/TabWidth.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace varnex {
namespace {

using test::EditedPane;

constexpr TextEncoding kUtf8 = TextEncoding::Utf8;
constexpr TextEncoding kCp1252 = TextEncoding::Windows1252;

const std::uint8_t* Bytes(const std::string& text) {
    return reinterpret_cast<const std::uint8_t*>(text.data());
}

int Length(const std::string& text) {
    return static_cast<int>(text.size());
}

class Utf8PaneTest : public test::PaneGlobalsTest {
protected:
    void SetUp() override {
        TabWidth::Set(4);
        EditOptions::Set(0, ~std::uint32_t{0});
    }

    static void MakeUtf8(EditedPane& pane) {
        pane.editor.SetEncoding(kUtf8);
        pane.document.Repaint().Take();
    }

    // The byte under the caret of line 0.
    static int CaretByte(const EditedPane& pane) {
        const TextLine& line = *pane.document.GetLine(pane.Caret().line);
        return ColumnToIndex(line.Text(), line.Length(), pane.Caret().column, TabWidth::Get(),
                             pane.document.Encoding());
    }
};

// "a", tab, "ж" (2 bytes), "中" (3 bytes, two cells), "b".
const std::string kMixed = "a\t\xD0\xB6\xE4\xB8\xAD"
                           "b";

TEST_F(Utf8PaneTest, ColumnsOfTabsAndWideCharacters) {
    const std::uint8_t* text = Bytes(kMixed);
    const int length = Length(kMixed);
    EXPECT_EQ(MeasureLine(text, length, 4, kUtf8).width, 8);
    EXPECT_EQ(MeasureLine(text, length, 4, kCp1252).width, 10) << "one column per byte";
    EXPECT_EQ(ColumnToIndex(text, length, 2, 4, kUtf8), 2) << "inside the tab: after it";
    EXPECT_EQ(ColumnToIndex(text, length, 4, 4, kUtf8), 2);
    EXPECT_EQ(ColumnToIndex(text, length, 5, 4, kUtf8), 4);
    EXPECT_EQ(ColumnToIndex(text, length, 6, 4, kUtf8), 7) << "inside the wide one: after it";
    EXPECT_EQ(ColumnToIndex(text, length, 7, 4, kUtf8), 7);
    EXPECT_EQ(IndexToColumn(text, length, 4, 4, kUtf8), 5);
    EXPECT_EQ(IndexToColumn(text, length, 7, 4, kUtf8), 7);
    EXPECT_EQ(IndexToColumn(text, length, 99, 4, kUtf8), 8);
    const ColumnHit hit = FindColumn(text, length, 6, 4, kUtf8);
    EXPECT_EQ(hit.index, 4);
    EXPECT_EQ(hit.startColumn, 5);
    EXPECT_EQ(FindColumn(text, length, 3, 4, kUtf8).index, 1) << "the tab holds column 3";

    const std::string stray = "\xFF\xB6x";
    EXPECT_EQ(MeasureLine(Bytes(stray), Length(stray), 4, kUtf8).width, 3)
        << "bytes that start no sequence are one character each";
}

// "тест 中文 ok": Cyrillic (2 bytes, one cell), CJK (3 bytes, two cells), ASCII.
const std::string kWalked = "\xD1\x82\xD0\xB5\xD1\x81\xD1\x82 \xE4\xB8\xAD\xE6\x96\x87 ok";

TEST_F(Utf8PaneTest, CaretStepsOverWholeCharactersBothWays) {
    EditedPane pane({kWalked});
    MakeUtf8(pane);
    const std::vector<int> starts = {0, 2, 4, 6, 8, 9, 12, 15, 16, 17, 18};
    const std::vector<int> columns = {0, 1, 2, 3, 4, 5, 7, 9, 10, 11, 12};
    for (std::size_t k = 0; k < starts.size(); ++k) {
        EXPECT_EQ(pane.Caret().column, columns[k]) << "step right " << k;
        EXPECT_EQ(CaretByte(pane), starts[k]) << "step right " << k;
        pane.editor.SetCaret(1, 0, CaretMove::kRelative | CaretMove::kNoWrap);
    }
    for (std::size_t k = starts.size(); k-- > 0;) {
        pane.editor.SetCaret(-1, 0, CaretMove::kRelative | CaretMove::kNoWrap);
        EXPECT_EQ(CaretByte(pane), starts[k > 0 ? k - 1 : 0]) << "step left " << k;
    }
}

TEST_F(Utf8PaneTest, CaretNeverStandsInsideAWideCharacter) {
    EditedPane pane({kWalked, "abcdefghijkl"});
    MakeUtf8(pane);
    pane.editor.SetCaret(6, 0, 0);
    EXPECT_EQ(pane.Caret().column, 5) << "a click on the right half of 中";
    pane.editor.SetCaret(6, 1, 0);
    pane.editor.SetCaret(0, -1, CaretMove::kRelative);
    EXPECT_EQ(pane.Caret(), (TextPosition{5, 0})) << "up into 中";
    pane.editor.SetCaret(8, 1, 0);
    pane.editor.SetCaret(0, -1, CaretMove::kRelative | CaretMove::kExtend);
    EXPECT_EQ(pane.Caret(), (TextPosition{7, 0})) << "a selection ends before 文";
}

TEST_F(Utf8PaneTest, WordJumpsAndDoubleClicksTakeWholeLetters) {
    // "привет, мир" and "abc—def" (an em dash is punctuation although its lead byte is not)
    EditedPane pane({"\xD0\xBF\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82, \xD0\xBC\xD0\xB8\xD1\x80",
                     "abc\xE2\x80\x94"
                     "def"});
    MakeUtf8(pane);
    const std::uint32_t mask = kDefaultWordStopMask;
    EXPECT_EQ(WordJumpRight(pane.document, {0, 0}, mask), (TextPosition{6, 0}));
    EXPECT_EQ(WordJumpLeft(pane.document, {11, 0}, mask), (TextPosition{8, 0}));
    EXPECT_EQ(WordJumpLeft(pane.document, {5, 0}, mask), (TextPosition{0, 0}));
    EXPECT_EQ(WordJumpRight(pane.document, {0, 1}, mask), (TextPosition{3, 1}));
    EXPECT_EQ(WordJumpLeft(pane.document, {7, 1}, mask), (TextPosition{4, 1}));
    ASSERT_TRUE(pane.editor.SelectWordAt({9, 0}));
    EXPECT_EQ(pane.editor.Caret().SelectionStart(), (TextPosition{8, 0}));
    EXPECT_EQ(pane.editor.Caret().SelectionEnd(), (TextPosition{11, 0}));
}

TEST_F(Utf8PaneTest, BackspaceAndDeleteRemoveWholeCharacters) {
    EditedPane pane({"\xD0\xB6\xE4\xB8\xAD"
                     "x"});
    MakeUtf8(pane);
    pane.editor.SetCaret(3, 0, 0);
    EXPECT_TRUE(pane.editor.EditChar(EditCode::kBackspace, true));
    EXPECT_EQ(pane.Line(0), "\xD0\xB6x");
    EXPECT_EQ(pane.Caret(), (TextPosition{1, 0}));
    pane.editor.SetCaret(0, 0, 0);
    EXPECT_TRUE(pane.editor.EditChar(EditCode::kDeleteForward, true));
    EXPECT_EQ(pane.Line(0), "x");
}

TEST_F(Utf8PaneTest, ATypedCharacterGoesInAsItsSequenceAndOverwriteUndoesWhole) {
    EditedPane pane({"ab"});
    MakeUtf8(pane);
    EXPECT_TRUE(pane.editor.EditChar(0x436, true));  // ж
    EXPECT_TRUE(pane.editor.EditChar(0x4E2D, true)); // 中
    EXPECT_EQ(pane.Line(0), "\xD0\xB6\xE4\xB8\xAD"
                            "ab");
    EXPECT_EQ(pane.Caret(), (TextPosition{3, 0}));
    pane.editor.SetCaret(0, 0, 0);
    pane.editor.ToggleInsertMode();
    EXPECT_TRUE(pane.editor.EditChar('x', true));
    EXPECT_EQ(pane.Line(0), "x\xE4\xB8\xAD"
                            "ab")
        << "x takes the place of the whole of ж";
    EXPECT_TRUE(pane.editor.Undo());
    EXPECT_EQ(pane.Line(0), "\xD0\xB6\xE4\xB8\xAD"
                            "ab");
}

TEST_F(Utf8PaneTest, SwitchingTheEncodingRemeasuresAndKeepsTheCaretAtItsBytes) {
    EditedPane pane({"\xE4\xB8\xAD\xE6\x96\x87", "ab"});
    EXPECT_EQ(pane.document.WidestLine(), 6);
    pane.editor.SetCaret(1, 0, 0);
    pane.editor.SetCaret(4, 0, CaretMove::kExtend);
    pane.document.Repaint().Take();
    pane.editor.SetEncoding(kUtf8);
    EXPECT_EQ(pane.document.Encoding(), kUtf8);
    EXPECT_EQ(pane.document.GetLine(0)->Width(), 4);
    EXPECT_EQ(pane.document.WidestLine(), 4);
    EXPECT_TRUE(pane.document.Repaint().IsAll());
    EXPECT_EQ(pane.editor.Caret().Anchor(), (TextPosition{0, 0})) << "byte 1 lies in 中";
    EXPECT_EQ(pane.Caret(), (TextPosition{2, 0})) << "byte 4 lies in 文";
    pane.editor.SetEncoding(kCp1252);
    EXPECT_EQ(pane.document.WidestLine(), 6);
    EXPECT_EQ(pane.Caret(), (TextPosition{3, 0}));
}

// A key pressed with the caret at `column`: the line afterwards (for a copy, the text copied)
// and the byte the caret then stands before.
enum class Action { Left, Right, WordRight, Backspace, Delete, BackspaceUndone, CopyRight };

struct KeyCase {
    const char* what;
    std::string text;
    int column;
    Action action;
    std::string after;
    int caretByte;
};

std::string Press(EditedPane& pane, Action action) {
    PaneKeys keys;
    if (action == Action::Backspace || action == Action::BackspaceUndone) {
        keys.TypeCharacter(pane.editor, EditCode::kBackspace, false);
        if (action == Action::BackspaceUndone) pane.editor.Undo();
        return pane.Line(0);
    }
    KeyPress press;
    press.key = action == Action::Left     ? PaneKey::Left
                : action == Action::Delete ? PaneKey::Delete
                                           : PaneKey::Right;
    press.ctrl = action == Action::WordRight;
    press.shift = action == Action::CopyRight;
    keys.PressKey(pane.editor, press);
    if (action != Action::CopyRight) return pane.Line(0);
    pane.editor.CopySelection();
    return pane.platform.clipboard.value_or("<nothing copied>");
}

TEST_F(Utf8PaneTest, KeysTakeAWholeGraphemeClusterAtATime) {
    const std::string acute = "e\xCC\x81";                        // e + U+0301, one cell
    const std::string thumb = "\xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD"; // with a skin tone, two cells
    const std::string flags = "\xF0\x9F\x87\xA9\xF0\x9F\x87\xAA"  // two flags of two cells
                              "\xF0\x9F\x87\xAF\xF0\x9F\x87\xB5";
    const std::string bom = "\xEF\xBB\xBF";
    const KeyCase cases[] = {
        {"Right over e and its mark", acute + "x", 0, Action::Right, acute + "x", 3},
        {"Backspace takes e and its mark", acute + "x", 1, Action::Backspace, "x", 0},
        {"Delete takes e and its mark", acute + "x", 0, Action::Delete, "x", 0},
        {"undo brings both back", acute + "x", 1, Action::BackspaceUndone, acute + "x", 3},
        {"a word goes on through a mark", "caf" + acute + " x", 0, Action::WordRight,
         "caf" + acute + " x", 6},
        {"Backspace on a skin-toned emoji", "a" + thumb + "b", 3, Action::Backspace, "ab", 1},
        {"Shift+Right copies the whole emoji", "a" + thumb + "b", 1, Action::CopyRight, thumb, 9},
        {"Left over a flag", flags, 4, Action::Left, flags, 8},
        {"Delete takes a flag's pair", flags, 2, Action::Delete, flags.substr(0, 8), 8},
        {"a byte-order mark stays first", bom + "ab", 1, Action::Backspace, bom + "b", 3},
    };
    for (const KeyCase& c : cases) {
        EditedPane pane({c.text});
        MakeUtf8(pane);
        pane.editor.SetCaret(c.column, 0, 0);
        EXPECT_EQ(Press(pane, c.action), c.after) << c.what;
        EXPECT_EQ(CaretByte(pane), c.caretByte) << c.what;
    }
}

TEST_F(Utf8PaneTest, AMixedStyledCharacterTakesTheStyleTheRuleGives) {
    PaneModel document(256, 10, PaneModel::kPerCharacterStyles, "Utf8PaneStyles");
    const auto red = static_cast<std::uint8_t>(document.AddStyle(0, 0, "red", 50, 0));
    const auto green = static_cast<std::uint8_t>(document.AddStyle(0, 0, "green", 51, 0));
    const auto blue = static_cast<std::uint8_t>(document.AddStyle(0, 0, "blue", 52, 0));
    const std::uint8_t mixed[] = {red, red, green};
    const std::uint8_t even[] = {green, green, green};
    EXPECT_EQ(document.CharStyleIndex(mixed, 3), red) << "without a rule: the first byte's";
    document.SetMixedStyleRule([](std::uint8_t firstId, std::uint8_t otherId) {
        return static_cast<std::uint8_t>(firstId == 50 && otherId == 51 ? 52 : 0);
    });
    EXPECT_EQ(document.CharStyleIndex(mixed, 3), blue) << "the rule sees the ids 50 and 51";
    EXPECT_EQ(document.CharStyleIndex(even, 3), green) << "one style needs no rule";
}

} // namespace
} // namespace varnex
