// Difference styles: registration, the ids handed to the sinks, and keeping ids within 8 bits.
#include "engine/fill/DifferenceStyles.h"
#include "engine/CompareEngine.h"
#include "tests/engine/support/DumpOf.h"
#include "tests/engine/support/FakeStyler.h"
#include "tests/engine/support/RecordingSink.h"

#include <gtest/gtest.h>

namespace varnex {
namespace {

constexpr int kOwnStyles = 2;
constexpr int kSyntaxStyles = 5;

struct Compared {
    CompareEngine engine;
    FakeStyler styler{kSyntaxStyles};
    RecordingSink left{kOwnStyles};
    RecordingSink right{kOwnStyles};

    void Run(const std::string& l, const std::string& r, CompareMode mode) {
        engine.CompareTexts("l.txt", BytesOf(l), "r.txt", BytesOf(r), mode, &styler, left, right);
    }
    int Id(RowKind kind, char byte) const {
        return engine.Styles().StyleBase() + static_cast<int>(kind) * kSyntaxStyles +
               styler.IndexOf(static_cast<std::uint8_t>(byte));
    }
};

TEST(DifferenceStylesTest, RegistersFourGroupsAndThePlaceholderAfterThePanesOwnStyles) {
    Compared c;
    c.Run("a\n", "b\n", CompareMode::LineWise);
    const int base = kOwnStyles + 4;
    EXPECT_EQ(c.engine.Styles().StyleBase(), base);
    ASSERT_EQ(c.left.styles.size(), 4u * kSyntaxStyles + 1);
    EXPECT_TRUE(c.right.styles.empty());
    const std::uint32_t backgrounds[] = {0xFFFFFFFFu, 0xFFDEDE, 0xD4FFD4, 0xD4D4FF};
    for (int group = 0; group < 4; ++group) {
        for (int index = 0; index < kSyntaxStyles; ++index) {
            const RecordedStyle& style = c.left.styles.at(base + group * kSyntaxStyles + index);
            EXPECT_EQ(style.background, backgrounds[group]);
            EXPECT_EQ(style.textColour, c.styler.GetStyleLook(index).textColour);
            EXPECT_EQ(style.fontFlags, c.styler.GetStyleLook(index).fontFlags);
        }
    }
    const RecordedStyle& placeholder = c.left.styles.at(base + 4 * kSyntaxStyles);
    EXPECT_EQ(placeholder.background, 0xDEFFFFu);
    EXPECT_EQ(placeholder.textColour, 0xFFFFFFFFu);
    EXPECT_EQ(placeholder.fontFlags, 0);
}

TEST(DifferenceStylesTest, RegistersOnlyAtTheFirstCompare) {
    Compared c;
    c.Run("a\n", "b\n", CompareMode::LineWise);
    const auto first = c.left.styles;
    c.Run("a\nb\n", "c\n", CompareMode::CharWise);
    EXPECT_EQ(c.left.styles.size(), first.size());
    EXPECT_EQ(c.engine.Styles().StyleBase(), kOwnStyles + 4);
}

TEST(DifferenceStylesTest, WithoutStylerOneStylePerGroupInDefaultTextColour) {
    CompareEngine engine;
    RecordingSink left;
    RecordingSink right;
    engine.CompareTexts("l", BytesOf("a\n"), "r", BytesOf("b\n"), CompareMode::LineWise, nullptr,
                        left, right);
    EXPECT_EQ(engine.Styles().SyntaxStyleCount(), 1);
    ASSERT_EQ(left.styles.size(), 5u);
    for (const auto& [id, style] : left.styles) {
        EXPECT_EQ(style.textColour, 0xFFFFFFFFu) << id;
        EXPECT_EQ(style.fontFlags, 0) << id;
    }
}

TEST(DifferenceStylesTest, FillsRowsWithKindIdsPlaceholdersAndBlanksForEmptyLines) {
    Compared c;
    c.Run("same\n\nold\n", "same\nnew\n", CompareMode::LineWise);
    const int placeholder = c.engine.Styles().PlaceholderId();
    EXPECT_TRUE(c.left.readOnly);
    EXPECT_EQ(c.left.clearCount, 1);
    ASSERT_EQ(c.left.lines.size(), 3u);

    EXPECT_EQ(c.left.lines[0].text, "same");
    EXPECT_EQ(c.left.lines[0].ids[3], c.Id(RowKind::Equal, 'e'));
    EXPECT_EQ(c.left.lines[1].text, " ");
    EXPECT_EQ(c.left.lines[1].ids, std::vector<std::uint8_t>{static_cast<std::uint8_t>(
                                       c.engine.Styles().KindOffset(RowKind::Changed))});
    EXPECT_EQ(c.right.lines[1].text, "new");
    EXPECT_EQ(c.right.lines[1].ids[0], c.Id(RowKind::Changed, 'n'));
    EXPECT_EQ(c.right.lines[1].kind, RowKind::Changed);
    EXPECT_EQ(c.left.lines[2].text, "old");
    EXPECT_EQ(c.right.lines[2].text, " ");
    EXPECT_EQ(c.right.lines[2].ids,
              std::vector<std::uint8_t>{static_cast<std::uint8_t>(placeholder)});
}

TEST(DifferenceStylesTest, LinesAreHandedOverWithoutTheirLineEnds) {
    Compared c;
    c.Run("one\r\ntwo\r", "one\n\rtwo", CompareMode::CharWise);
    EXPECT_EQ(c.left.lines[0].text, "one");
    EXPECT_EQ(c.right.lines[0].text, "one");
    EXPECT_EQ(c.left.lines[0].ids.size(), 3u);
}

// Every id a sink is given must be one that was registered, and all of them fit 8 bits.
void ExpectIdsRegisteredAndInRange(const RecordingSink& styles, const RecordingSink& sink) {
    for (const auto& [row, line] : sink.lines) {
        for (const std::uint8_t id : line.ids) {
            EXPECT_TRUE(styles.styles.count(id)) << "row " << row << " id " << int(id);
        }
    }
    ASSERT_FALSE(styles.styles.empty());
    EXPECT_LE(styles.styles.rbegin()->first, kMaxStyleId);
}

TEST(DifferenceStylesTest, ManySyntaxStylesAreCappedSoIdsStayWithin255) {
    CompareEngine engine;
    FakeStyler styler(100);
    RecordingSink left(10);
    RecordingSink right(10);
    engine.CompareTexts("l", BytesOf("Az_\nkeep\n"), "r", BytesOf("Bz_\nkeep\n  \n"),
                        CompareMode::CharWiseNoBlanks, &styler, left, right);
    const DifferenceStyles& styles = engine.Styles();
    EXPECT_EQ(styles.StyleBase(), 14);
    EXPECT_EQ(styles.SyntaxStyleCount(), (255 - 14) / 4);
    EXPECT_LE(styles.PlaceholderId(), 255);
    // 'A' has syntax index 65, beyond the registered 60: it falls back to index 0.
    EXPECT_EQ(left.lines[0].ids[0], styles.KindOffset(RowKind::Changed));
    ExpectIdsRegisteredAndInRange(left, left);
    ExpectIdsRegisteredAndInRange(left, right);
}

TEST(DifferenceStylesTest, AFullPaneTableStillGetsIdsThatFit8Bits) {
    CompareEngine engine;
    RecordingSink left(254);
    RecordingSink right(254);
    engine.CompareTexts("l", BytesOf("a\n"), "r", BytesOf("b\n"), CompareMode::LineWise, nullptr,
                        left, right);
    EXPECT_EQ(engine.Styles().PlaceholderId(), 255);
    ExpectIdsRegisteredAndInRange(left, right);
}

// Blank lines that are not a difference are shown in the Equal group, like every other byte.
TEST(DifferenceStylesTest, PlainBlankLinesUseRegisteredEqualIds) {
    Compared c;
    c.Run("a\n", "a\n \t\n", CompareMode::CharWiseNoBlanks);
    ASSERT_EQ(c.right.lines[1].text, " \t");
    EXPECT_EQ(c.right.lines[1].ids[0], c.Id(RowKind::Equal, ' '));
    EXPECT_EQ(c.right.lines[1].ids[1], c.Id(RowKind::Equal, '\t'));
    ExpectIdsRegisteredAndInRange(c.left, c.right);
}

} // namespace
} // namespace varnex
