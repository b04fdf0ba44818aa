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

// "Grüße" in UTF-8: ü and ß take two bytes each.
const std::vector<std::string> kLines{"ab cd",
                                      "Gr\xC3\xBC\xC3\x9F"
                                      "e",
                                      "", "x"};

class TextOffsetsTest : public test::PaneGlobalsTest {};

TEST_F(TextOffsetsTest, OffsetsMapToLineAndByteBothWays) {
    struct Case {
        TextEncoding encoding;
        LineByte at;
        int offset;
        LineByte back; // where the offset leads back to
    };
    const Case cases[] = {
        {TextEncoding::Utf8, {0, 0}, 0, {0, 0}},
        {TextEncoding::Utf8, {0, 5}, 5, {0, 5}}, // end of a line, before its break
        {TextEncoding::Utf8, {1, 0}, 6, {1, 0}},
        {TextEncoding::Utf8, {1, 4}, 9, {1, 4}}, // after ü, at ß
        {TextEncoding::Utf8, {1, 5}, 9, {1, 4}}, // inside ß counts as ß
        {TextEncoding::Utf8, {1, 7}, 11, {1, 7}},
        {TextEncoding::Utf8, {2, 0}, 12, {2, 0}},        // an empty line
        {TextEncoding::Utf8, {3, 1}, 14, {3, 1}},        // the end of the text
        {TextEncoding::Utf8, {9, 0}, 14, {3, 1}},        // past the last line
        {TextEncoding::Windows1252, {1, 5}, 11, {1, 5}}, // one character a byte
        {TextEncoding::Windows1252, {3, 1}, 16, {3, 1}},
    };
    for (const Case& c : cases) {
        EditedPane pane(kLines);
        pane.document.SetEncoding(c.encoding);
        const TextOffsets offsets(pane.document);
        SCOPED_TRACE(c.offset);
        EXPECT_EQ(offsets.OffsetOf(c.at), c.offset);
        EXPECT_EQ(offsets.PositionOf(c.offset), c.back);
    }
}

// Carets stand in display columns: a tab or a wide character spans several.
TEST_F(TextOffsetsTest, CaretColumnsMapToOffsets) {
    struct Case {
        TextPosition caret;
        int offset;
    };
    const Case cases[] = {
        {{0, 0}, 0}, {{4, 0}, 1}, {{5, 0}, 2}, {{7, 0}, 3}, {{8, 0}, 4}, {{0, 1}, 5}, {{0, 9}, 6},
    };
    TabWidth::Set(4);
    EditedPane pane({"\tb\xE4\xB8\x80"
                     "c",
                     "z"}); // tab, b, a wide CJK character, c
    pane.document.SetEncoding(TextEncoding::Utf8);
    const TextOffsets offsets(pane.document);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.offset);
        EXPECT_EQ(offsets.OffsetOfCaret(c.caret), c.offset);
        if (c.caret.line < 2) {
            EXPECT_EQ(offsets.CaretOf(c.offset), c.caret);
        }
    }
}

TEST_F(TextOffsetsTest, UnitsAroundAnOffset) {
    struct Case {
        int offset;
        TextUnit unit;
        OffsetRange range;
        std::u32string text;
    };
    const Case cases[] = {
        {1, TextUnit::Character, {1, 2}, U"b"},
        {8, TextUnit::Character, {8, 9}, U"ü"},
        {5, TextUnit::Character, {5, 6}, U"\n"},
        {14, TextUnit::Character, {14, 14}, U""},
        {1, TextUnit::Word, {0, 2}, U"ab"},
        {2, TextUnit::Word, {2, 3}, U" "}, // the gap between two words
        {9, TextUnit::Word, {6, 11}, U"Grüße"},
        {5, TextUnit::Word, {5, 6}, U"\n"}, // a word never runs over a line break
        {3, TextUnit::Line, {0, 6}, U"ab cd\n"},
        {12, TextUnit::Line, {12, 13}, U"\n"},
        {14, TextUnit::Line, {13, 14}, U"x"}, // the last line has no break
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
    ASSERT_EQ(offsets.CharacterCount(), 16);
    pane.document.SetEncoding(TextEncoding::Utf8);
    EXPECT_EQ(offsets.CharacterCount(), 14);
    pane.Append("yz");
    EXPECT_EQ(offsets.CharacterCount(), 17);
    EXPECT_EQ(offsets.OffsetOf({4, 1}), 16);
    pane.document.DeleteLines(0, 1);
    EXPECT_EQ(offsets.OffsetOf({0, 2}), 2);
    pane.document.Clear();
    EXPECT_EQ(offsets.CharacterCount(), 0);
    EXPECT_EQ(offsets.PositionOf(5), LineByte{});
}

} // namespace
} // namespace varnex
