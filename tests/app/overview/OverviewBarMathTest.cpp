// The overview bar's place, summary and click arithmetic.
#include "app/overview/OverviewBarMath.h"

#include <gtest/gtest.h>

namespace varnex {
namespace {

TEST(OverviewBar, WidthFollowsParity) {
    EXPECT_EQ(800 - OverviewBarX(800), 17);
    EXPECT_EQ(801 - OverviewBarX(801), 16);
    EXPECT_EQ(OverviewBarX(10), 0);
    EXPECT_EQ(OverviewBarX(0), 0);
}

TEST(OverviewBar, PixelsPerEntryStayBetweenOneAndThree) {
    EXPECT_EQ(PixelsPerEntry(100, 10), 3);
    EXPECT_EQ(PixelsPerEntry(100, 40), 2);
    EXPECT_EQ(PixelsPerEntry(100, 500), 1);
    EXPECT_EQ(PixelsPerEntry(100, 0), 1);
}

TEST(OverviewSummary, FewRowsFillSeveralEntriesEach) {
    std::vector<std::uint8_t> kinds(10, 0);
    kinds[4] = 2;
    const auto summary = BuildSummary(kinds.data(), 10, 100);
    ASSERT_EQ(summary.size(), 40u);
    EXPECT_EQ(PixelsPerEntry(100, 40), 2);
    for (int e = 0; e < 40; ++e)
        EXPECT_EQ(summary[e], e / 4 == 4 ? 2 : 0) << e;
}

TEST(OverviewSummary, OneEntryPerRowWhenRowsMatchPixels) {
    std::vector<std::uint8_t> kinds(100);
    for (int r = 0; r < 100; ++r)
        kinds[r] = r % 4;
    const auto summary = BuildSummary(kinds.data(), 100, 100);
    EXPECT_EQ(summary, kinds);
    EXPECT_EQ(RowAtSummaryClick(37, 100, 100, 100), 37);
}

TEST(OverviewSummary, ManyRowsVoteForTheirEntry) {
    // 400 rows in a 100-pixel bar: four rows per entry.
    std::vector<std::uint8_t> kinds(400, 0);
    kinds[0] = 1;                              // entry 0: changed wins over equal
    kinds[4] = 1, kinds[5] = 2, kinds[6] = 2;  // entry 1: inserted outnumbers changed
    kinds[8] = 2, kinds[9] = 3, kinds[10] = 3; // entry 2: removed outnumbers inserted
    kinds[12] = 3, kinds[13] = 1;              // entry 3: tie of removed and changed → changed
    const auto summary = BuildSummary(kinds.data(), 400, 100);
    ASSERT_EQ(summary.size(), 100u);
    EXPECT_EQ(summary[0], 1);
    EXPECT_EQ(summary[1], 2);
    EXPECT_EQ(summary[2], 3);
    EXPECT_EQ(summary[3], 1);
    EXPECT_EQ(summary[4], 0);
}

TEST(OverviewSummary, NeverMoreThanTheBufferOrTheHeight) {
    std::vector<std::uint8_t> kinds(65520, 1);
    EXPECT_EQ(BuildSummary(kinds.data(), 65520, 5000).size(), 4096u);
    EXPECT_TRUE(BuildSummary(kinds.data(), 65520, 0).empty());
    EXPECT_EQ(BuildSummary(kinds.data(), 0, 50).size(), 1u);
}

TEST(OverviewBar, BarTopKeepsTheLastScreenFull) {
    EXPECT_EQ(BarTopFor(10, 1000, 200), 10);
    EXPECT_EQ(BarTopFor(900, 1000, 200), 800);
    EXPECT_EQ(BarTopFor(5, 50, 200), 0);
}

TEST(OverviewBar, WindowClickCountsFromBarTop) {
    EXPECT_EQ(RowAtWindowClick(30, 100, 10, 0), 10); // 3 pixels per row
    EXPECT_EQ(RowAtWindowClick(30, 100, 5000, 200), 230);
}

TEST(OverviewBar, TheVisibleFrameCoversTheRowsShownInEitherMode) {
    // Window mode: one pixel per row from barTop on, cut at the bar's ends.
    EXPECT_EQ(VisibleSpanInWindowMode(150, 20, 100, 300, 145), (BarSpan{5, 25}));
    EXPECT_EQ(VisibleSpanInWindowMode(280, 40, 100, 300, 200), (BarSpan{80, 100}));
    EXPECT_EQ(VisibleSpanInWindowMode(0, 20, 100, 0, 0), BarSpan{});
    // Summary mode: ten rows in 100 pixels are four two-pixel entries each.
    EXPECT_EQ(VisibleSpanInSummaryMode(0, 5, 100, 10, 40), (BarSpan{0, 40}));
    EXPECT_EQ(VisibleSpanInSummaryMode(4, 1, 100, 10, 40), (BarSpan{32, 40}));
    EXPECT_EQ(VisibleSpanInSummaryMode(8, 30, 100, 10, 40), (BarSpan{64, 80}));
    // Many rows share an entry: the frame is at least that entry.
    EXPECT_EQ(VisibleSpanInSummaryMode(5000, 10, 100, 10000, 100), (BarSpan{50, 51}));
}

} // namespace
} // namespace varnex
