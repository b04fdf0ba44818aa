// Stepping through difference blocks, and which commands are enabled and checked.
#include "engine/CompareEngine.h"
#include "engine/result/BlockNavigator.h"
#include "tests/engine/support/DumpOf.h"

#include <gtest/gtest.h>

#include <string>

namespace varnex {
namespace {

// Rows from a string of kind digits, e.g. "0112003".
AlignedRows RowsOf(const std::string& kinds) {
    AlignedRows rows;
    for (std::size_t row = 0; row < kinds.size(); ++row) {
        rows.SetLine(Side::Left, static_cast<int>(row), static_cast<int>(row) + 1);
        rows.SetKind(static_cast<int>(row), static_cast<RowKind>(kinds[row] - '0'));
    }
    rows.SetCount(static_cast<int>(kinds.size()));
    return rows;
}

struct Navigated {
    AlignedRows rows;
    BlockNavigator navigator;

    explicit Navigated(const std::string& kinds) : rows(RowsOf(kinds)) {
        navigator.Reset(rows.MarkEndAndCountBlocks());
    }
    bool Enabled(EngineCommandId id) const { return navigator.IsEnabled(id); }
    int Run(EngineCommandId id) { return navigator.Run(id, rows); }
    void ExpectBlock(int current, int start, int end) const {
        EXPECT_EQ(navigator.CurrentBlock(), current);
        EXPECT_EQ(navigator.StartRow(), start);
        EXPECT_EQ(navigator.EndRow(), end);
    }
};

TEST(NavigationTest, CountsRunsOfTheSameKindAndMarksTheEnd) {
    Navigated n("0112003310");
    EXPECT_EQ(n.navigator.BlockCount(), 4);
    EXPECT_EQ(n.rows.KindCode(10), kRowsEndMark);
    n.ExpectBlock(-1, 0, 0);
}

TEST(NavigationTest, RightAfterACompareOnlyFirstNextAndLastAreEnabled) {
    Navigated n("0100");
    EXPECT_TRUE(n.Enabled(EngineCommandId::FirstBlock));
    EXPECT_TRUE(n.Enabled(EngineCommandId::LastBlock));
    EXPECT_FALSE(n.Enabled(EngineCommandId::PreviousBlock));
    EXPECT_FALSE(n.Enabled(EngineCommandId::CurrentBlock));
    EXPECT_EQ(n.Run(EngineCommandId::PreviousBlock), -1);
    n.ExpectBlock(-1, 0, 0);
}

TEST(NavigationTest, StepsForwardAndBackThroughSeparateBlocks) {
    Navigated n("01100300220");
    EXPECT_TRUE(n.Enabled(EngineCommandId::NextBlock));
    EXPECT_EQ(n.Run(EngineCommandId::NextBlock), 1);
    n.ExpectBlock(0, 1, 3);
    EXPECT_FALSE(n.Enabled(EngineCommandId::FirstBlock));
    EXPECT_TRUE(n.Enabled(EngineCommandId::CurrentBlock));
    EXPECT_FALSE(n.Enabled(EngineCommandId::PreviousBlock));
    EXPECT_EQ(n.Run(EngineCommandId::NextBlock), 5);
    n.ExpectBlock(1, 5, 6);
    EXPECT_EQ(n.Run(EngineCommandId::NextBlock), 8);
    n.ExpectBlock(2, 8, 10);
    EXPECT_FALSE(n.Enabled(EngineCommandId::NextBlock));
    EXPECT_FALSE(n.Enabled(EngineCommandId::LastBlock));
    EXPECT_EQ(n.Run(EngineCommandId::CurrentBlock), 8);
    EXPECT_EQ(n.Run(EngineCommandId::PreviousBlock), 5);
    n.ExpectBlock(1, 5, 6);
    EXPECT_EQ(n.Run(EngineCommandId::FirstBlock), 1);
    n.ExpectBlock(0, 1, 3);
    EXPECT_EQ(n.Run(EngineCommandId::LastBlock), 8);
    n.ExpectBlock(2, 8, 10);
}

TEST(NavigationTest, BlockAtTheEdgesOfTheRows) {
    Navigated n("330022");
    EXPECT_EQ(n.Run(EngineCommandId::LastBlock), 4);
    n.ExpectBlock(1, 4, 6);
    EXPECT_EQ(n.Run(EngineCommandId::PreviousBlock), 0);
    n.ExpectBlock(0, 0, 2);
}

// A Changed run directly followed by an Inserted run counts as two blocks but is one stretch
// for the commands: Next from it runs to the end of the rows, Last comes back to it.
TEST(NavigationTest, AdjacentRunsOfDifferentKindsAreReachedAsOne) {
    Navigated n("120");
    ASSERT_EQ(n.navigator.BlockCount(), 2);
    EXPECT_EQ(n.Run(EngineCommandId::FirstBlock), 0);
    n.ExpectBlock(0, 0, 2);
    EXPECT_EQ(n.Run(EngineCommandId::NextBlock), 3);
    n.ExpectBlock(1, 3, 3);
    EXPECT_TRUE(n.Enabled(EngineCommandId::PreviousBlock));
    EXPECT_EQ(n.Run(EngineCommandId::PreviousBlock), 0);
    n.ExpectBlock(0, 0, 2);
    EXPECT_EQ(n.Run(EngineCommandId::LastBlock), 0);
    n.ExpectBlock(1, 0, 2);
}

TEST(NavigationTest, NoDifferencesDisableEveryCommand) {
    Navigated n("000");
    for (const EngineCommandId id :
         {EngineCommandId::FirstBlock, EngineCommandId::NextBlock, EngineCommandId::PreviousBlock,
          EngineCommandId::CurrentBlock, EngineCommandId::LastBlock}) {
        EXPECT_FALSE(n.Enabled(id)) << static_cast<int>(id);
        EXPECT_EQ(n.Run(id), -1);
    }
}

TEST(NavigationTest, EngineReportsModeChecksAndResetsNavigationOnEachCompare) {
    CompareEngine engine;
    RecordingSink left;
    RecordingSink right;
    engine.CompareTexts("l", BytesOf("ab cd\nzz\n"), "r", BytesOf("ab  cd\nnew\nzz\n"),
                        CompareMode::CharWiseNoBlanks, nullptr, left, right);
    EXPECT_TRUE(engine.QueryCommand(EngineCommandId::CharWiseNoBlanks).checked);
    EXPECT_FALSE(engine.QueryCommand(EngineCommandId::CharWise).checked);
    EXPECT_FALSE(engine.QueryCommand(EngineCommandId::LineWise).checked);
    EXPECT_TRUE(engine.QueryCommand(EngineCommandId::LineWise).enabled);
    EXPECT_TRUE(engine.QueryCommand(EngineCommandId::Reload).enabled);
    EXPECT_EQ(engine.Navigate(EngineCommandId::FirstBlock), 1);
    EXPECT_TRUE(engine.QueryCommand(EngineCommandId::CurrentBlock).enabled);
    engine.CompareTexts("l", BytesOf("a\n"), "r", BytesOf("b\n"), CompareMode::LineWise, nullptr,
                        left, right);
    EXPECT_TRUE(engine.QueryCommand(EngineCommandId::LineWise).checked);
    EXPECT_FALSE(engine.QueryCommand(EngineCommandId::PreviousBlock).enabled);
    EXPECT_FALSE(engine.QueryCommand(EngineCommandId::CurrentBlock).enabled);
    EXPECT_EQ(engine.Navigator().CurrentBlock(), -1);
}

} // namespace
} // namespace varnex
