// The engine's limits: the character-block size, the row limit and the line limit stop, never fail.
#include "engine/CompareEngine.h"
#include "engine/Limits.h"
#include "tests/engine/support/DumpOf.h"
#include "tests/engine/support/RecordingSink.h"
#include "tests/support/Joined.h"

#include <gtest/gtest.h>

#include <string>

namespace varnex {
namespace {

struct Result {
    CompareEngine engine;
    RecordingSink left;
    RecordingSink right;
};

void Compare(Result& result, const std::string& l, const std::string& r, CompareMode mode) {
    result.engine.CompareTexts("l", BytesOf(l), "r", BytesOf(r), mode, nullptr, result.left,
                               result.right);
}

int CountKind(const SourceText& side, RowKind kind) {
    int count = 0;
    for (std::int32_t offset = 0; offset < side.Length(); ++offset) {
        count += side.cells[offset].kind == static_cast<std::uint8_t>(kind);
    }
    return count;
}

// One line of `bytes` bytes, line end included, that differs from its partner in its last
// character only, so a character match would find almost everything equal.
std::string LongLine(int bytes, char last) {
    std::string line;
    while (static_cast<int>(line.size()) < bytes - 2)
        line += "0123456789abcdef"[line.size() % 16];
    return line + last + '\n';
}

TEST(CompareLimitsTest, BlockOverTheByteLimitIsShownAsWholeChangedLines) {
    for (const CompareMode mode : {CompareMode::CharWise, CompareMode::CharWiseNoBlanks}) {
        Result r;
        Compare(r, LongLine(kMaxBlockBytes + 1, 'L'), LongLine(kMaxBlockBytes + 1, 'R'), mode);
        EXPECT_EQ(r.engine.Rows().Count(), 1);
        EXPECT_EQ(r.engine.Rows().Kind(0), RowKind::Changed);
        EXPECT_EQ(CountKind(r.engine.Left(), RowKind::Changed), kMaxBlockBytes + 1);
        EXPECT_EQ(CountKind(r.engine.Right(), RowKind::Changed), kMaxBlockBytes + 1);
    }
}

TEST(CompareLimitsTest, BlockAtTheByteLimitIsComparedCharacterByCharacter) {
    for (const CompareMode mode : {CompareMode::CharWise, CompareMode::CharWiseNoBlanks}) {
        Result r;
        Compare(r, LongLine(kMaxBlockBytes, 'L'), LongLine(kMaxBlockBytes, 'R'), mode);
        EXPECT_EQ(r.engine.Rows().Count(), 1);
        EXPECT_EQ(CountKind(r.engine.Left(), RowKind::Changed), 1) << static_cast<int>(mode);
        EXPECT_EQ(CountKind(r.engine.Right(), RowKind::Changed), 1) << static_cast<int>(mode);
    }
}

// A too poor character match falls back to whole lines: one matched byte of 9 left bytes
// fails 3 * 1 + 4 >= 9, two matched bytes of 9 pass (3 * 2 + 4 = 10).
TEST(CompareLimitsTest, PoorCharacterMatchFallsBackToWholeLines) {
    Result poor;
    Compare(poor, "abcdefgh\n", "12345678\n", CompareMode::CharWise);
    EXPECT_EQ(CountKind(poor.engine.Left(), RowKind::Changed), 9);
    Result enough;
    Compare(enough, "abcdefgh\n", "a1234567\n", CompareMode::CharWise);
    // b..h differ; word smoothing adds the a before them; the line end stays Equal.
    EXPECT_EQ(CountKind(enough.engine.Left(), RowKind::Changed), 8);
}

// Units of 40 lines per side that lay out as 48 rows: 16 equal, 8 removed, 16 equal, 8 inserted.
std::string RowHeavyFile(char side, int units) {
    std::string file;
    for (int u = 0; u < units; ++u) {
        std::string c, l, d;
        for (int n = 0; n < 16; ++n)
            c += test::Joined("c", u, "_", n, "\n");
        for (int n = 0; n < 16; ++n)
            d += test::Joined("d", u, "_", n, "\n");
        for (int n = 0; n < 8; ++n) {
            l += std::string(1, side) + std::to_string(u) + "_" + std::to_string(n) + "\n";
        }
        file += side == 'L' ? c + l + d : c + d + l;
    }
    return file;
}

TEST(CompareLimitsTest, RowLimitStopsTheLayoutAndRaisesTheWarningFlag) {
    constexpr int kUnits = kMaxRows / 48 + 1;
    Result r;
    Compare(r, RowHeavyFile('L', kUnits), RowHeavyFile('R', kUnits), CompareMode::LineWise);
    const AlignedRows& rows = r.engine.Rows();
    ASSERT_EQ(rows.Count(), kMaxRows);
    EXPECT_TRUE(r.engine.TooManyRows());
    // Row 65519 is the last row of unit 1364: its last inserted right line.
    const int lastUnit = (kMaxRows - 1) / 48;
    EXPECT_EQ(rows.Kind(kMaxRows - 1), RowKind::Inserted);
    EXPECT_EQ(rows.LeftLine(kMaxRows - 1), 0);
    EXPECT_EQ(rows.RightLine(kMaxRows - 1), lastUnit * 40 + 40);
    EXPECT_EQ(rows.KindCode(kMaxRows), kRowsEndMark);
    EXPECT_EQ(r.left.lines.size(), static_cast<std::size_t>(kMaxRows));
    EXPECT_EQ(r.engine.BlockCount(), 2 * (lastUnit + 1));
}

TEST(CompareLimitsTest, RowLimitInsideACharacterBlockStillClassifiesTheWholeBlock) {
    constexpr int kPrefix = kMaxRows - 10;
    std::string prefix;
    for (int n = 0; n < kPrefix; ++n)
        prefix += test::Joined("p", n, "\n");
    std::string right = prefix + "abc!\n";
    for (int n = 1; n < 20; ++n)
        right += test::Joined("q", n, "\n");
    Result r;
    Compare(r, prefix + "abc\n", right, CompareMode::CharWise);
    const AlignedRows& rows = r.engine.Rows();
    ASSERT_EQ(rows.Count(), kMaxRows);
    EXPECT_TRUE(r.engine.TooManyRows());
    // The block's first right line shares its row with the left line; the other 19 follow
    // against placeholders, of which 9 fit.
    EXPECT_EQ(rows.LeftLine(kPrefix), kPrefix + 1);
    EXPECT_EQ(rows.RightLine(kMaxRows - 1), kPrefix + 10);
    EXPECT_EQ(rows.LeftLine(kMaxRows - 1), 0);
    const SourceText& rightText = r.engine.Right();
    const std::uint32_t lastLineStart = rightText.LineStart(rightText.LineCount() - 1);
    EXPECT_EQ(rightText.cells[lastLineStart].kind, static_cast<std::uint8_t>(RowKind::Changed));
}

TEST(CompareLimitsTest, LinesPastTheLineLimitJoinTheLastLine) {
    std::string file;
    for (int n = 0; n < kMaxLines + 5; ++n)
        file += test::Joined("l", n, "\n");
    Result r;
    Compare(r, file, file, CompareMode::CharWise);
    ASSERT_EQ(r.engine.Left().LineCount(), kMaxLines);
    EXPECT_EQ(r.engine.Rows().Count(), kMaxRows);
    EXPECT_TRUE(r.engine.TooManyRows());
    EXPECT_EQ(r.engine.BlockCount(), 0);
    const std::string& last = r.left.lines.at(kMaxRows - 1).text;
    EXPECT_EQ(last, "l65519\nl65520\nl65521\nl65522\nl65523\nl65524");
}

TEST(CompareLimitsTest, EmptyTextsGiveNoRowsAndNoFlag) {
    Result r;
    Compare(r, "", "", CompareMode::CharWise);
    EXPECT_EQ(r.engine.Rows().Count(), 0);
    EXPECT_FALSE(r.engine.TooManyRows());
    EXPECT_EQ(r.engine.BlockCount(), 0);
    EXPECT_TRUE(r.left.lines.empty());
}

} // namespace
} // namespace varnex
