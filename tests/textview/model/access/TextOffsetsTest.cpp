// The pane's text as assistive technology addresses it: offsets by character under either
// encoding, the words and lines around an offset, and counting again after the text changed.
#include "textview/model/access/TextOffsets.h"
#include "tests/textview/support/FakePlatform.h"
#include "tests/textview/support/SavedPaneGlobals.h"
#include "textview/model/settings/TabWidth.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace varnex {
namespace {

using test::EditedPane;

// "Grüße" with two-byte ü and ß; a tab, b, a wide CJK character (three bytes, two cells), c.
const std::vector<std::string> kLines{"ab cd",
                                      "Gr\xC3\xBC\xC3\x9F"
                                      "e",
                                      "",
                                      "\tb\xE4\xB8\x80"
                                      "c"};

class TextOffsetsTest : public test::PaneGlobalsTest {
protected:
    void SetUp() override { TabWidth::Set(4); }
};

// Each row is one place: its byte, its caret column and its offset, mapped every way.
TEST_F(TextOffsetsTest, OffsetsMapToBytesAndCaretColumnsAndBack) {
    constexpr TextEncoding kUtf8 = TextEncoding::Utf8;
    constexpr TextEncoding kCp1252 = TextEncoding::Windows1252;
    struct Case {
        TextEncoding encoding;
        int line, byte, column, offset;
    };
    const Case cases[] = {
        {kUtf8, 0, 0, 0, 0},  {kUtf8, 0, 5, 5, 5},    {kUtf8, 1, 4, 3, 9},    {kUtf8, 1, 7, 5, 11},
        {kUtf8, 2, 0, 0, 12}, {kUtf8, 3, 1, 4, 14},   {kUtf8, 3, 2, 5, 15},   {kUtf8, 3, 5, 7, 16},
        {kUtf8, 3, 6, 8, 17}, {kCp1252, 1, 5, 5, 11}, {kCp1252, 3, 6, 9, 21},
    };
    for (const Case& c : cases) {
        EditedPane pane(kLines);
        pane.document.SetEncoding(c.encoding);
        const TextOffsets offsets(pane.document);
        SCOPED_TRACE(c.offset);
        EXPECT_EQ(offsets.OffsetOf({c.line, c.byte}), c.offset);
        EXPECT_EQ(offsets.PositionOf(c.offset), (LineByte{c.line, c.byte}));
        EXPECT_EQ(offsets.OffsetOfCaret({c.column, c.line}), c.offset);
        EXPECT_EQ(offsets.CaretOf(c.offset), (TextPosition{c.column, c.line}));
    }
    EditedPane pane(kLines);
    pane.document.SetEncoding(kUtf8);
    const TextOffsets offsets(pane.document);
    EXPECT_EQ(offsets.OffsetOf({1, 5}), 9) << "a byte inside ß counts as ß";
    EXPECT_EQ(offsets.OffsetOf({9, 0}), 17) << "past the last line is the end";
}

TEST_F(TextOffsetsTest, UnitsAroundAnOffset) {
    struct Case {
        int offset;
        TextUnit unit;
        OffsetRange range;
        std::u32string text;
    };
    const Case cases[] = {
        {8, TextUnit::Character, {8, 9}, U"ü"},
        {5, TextUnit::Character, {5, 6}, U"\n"},
        {17, TextUnit::Character, {17, 17}, U""},
        {1, TextUnit::Word, {0, 2}, U"ab"},
        {2, TextUnit::Word, {2, 3}, U" "}, // the gap between two words
        {9, TextUnit::Word, {6, 11}, U"Grüße"},
        {5, TextUnit::Word, {5, 6}, U"\n"}, // a word never runs over a line break
        {3, TextUnit::Line, {0, 6}, U"ab cd\n"},
        {12, TextUnit::Line, {12, 13}, U"\n"},
        {17, TextUnit::Line, {13, 17}, U"\tb一c"}, // the last line has no break
    };
    EditedPane pane(kLines);
    pane.document.SetEncoding(TextEncoding::Utf8);
    const TextOffsets offsets(pane.document);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.offset);
        const OffsetRange range = offsets.UnitAt(c.offset, c.unit, 0);
        EXPECT_EQ(range, c.range);
        EXPECT_EQ(offsets.Text(range), c.text);
    }
}

TEST_F(TextOffsetsTest, CountsAgainAfterTheTextChanged) {
    EditedPane pane(kLines);
    const TextOffsets offsets(pane.document);
    ASSERT_EQ(offsets.CharacterCount(), 21);
    pane.document.SetEncoding(TextEncoding::Utf8);
    EXPECT_EQ(offsets.CharacterCount(), 17);
    pane.Append("yz");
    EXPECT_EQ(offsets.OffsetOf({4, 1}), 19);
    pane.document.DeleteLines(0, 1);
    EXPECT_EQ(offsets.OffsetOf({0, 2}), 2);
    pane.document.Clear();
    EXPECT_EQ(offsets.CharacterCount(), 0);
}

// Assistive technology counts code points, while the caret steps over a whole cluster: a
// letter with its mark is two offsets, and the text between offsets is what they count.
TEST_F(TextOffsetsTest, OffsetsCountCodePointsInsideClusters) {
    EditedPane pane({"e\xCC\x81x\xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD"});
    pane.document.SetEncoding(TextEncoding::Utf8);
    const TextOffsets offsets(pane.document);
    EXPECT_EQ(offsets.CharacterCount(), 5);
    EXPECT_EQ(offsets.OffsetOf({0, 3}), 2);
    EXPECT_EQ(offsets.PositionOf(3), (LineByte{0, 4}));
    EXPECT_EQ(offsets.Text({1, 3}), U"\u0301x");
}

} // namespace
} // namespace varnex
