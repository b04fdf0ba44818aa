// The overview bar's state without widgets: clicks, frame, entries, refreshes and mode switches.
#include "app/overview/OverviewBarModel.h"

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

namespace varnex {
namespace {

// `total` rows whose kinds cycle through all four, so that any slice shows where it starts.
void FillRows(AlignedRows& rows, int total) {
    rows.Clear();
    rows.SetCount(total);
    for (int row = 0; row < total; ++row)
        rows.SetKind(row, static_cast<RowKind>(row % 4));
    rows.MarkEndAndCountBlocks();
}

std::vector<std::uint8_t> Copy(std::span<const std::uint8_t> entries) {
    return {entries.begin(), entries.end()};
}

TEST(OverviewBarModel, AnswersFollowTheModeAndTheLayout) {
    struct Case {
        const char* name;
        BarMode mode;
        ViewMode viewMode;
        int total;
        int topRow;
        int rowsShown;
        int clickY;
        int row;
        BarSpan span;
        int barTop;
        int entryCount;
    };
    // All in a bar 100 pixels high.
    const Case cases[] = {
        {"window, one pixel per row",
         BarMode::Window,
         ViewMode::SideBySide,
         300,
         150,
         20,
         30,
         180,
         {0, 20},
         150,
         150},
        {"window stops with the bar full",
         BarMode::Window,
         ViewMode::SideBySide,
         300,
         290,
         20,
         10,
         210,
         {90, 100},
         200,
         100},
        {"window stacked shows fewer rows",
         BarMode::Window,
         ViewMode::Stacked,
         300,
         290,
         20,
         10,
         263,
         {37, 57},
         253,
         47},
        {"window, three pixels per row",
         BarMode::Window,
         ViewMode::SideBySide,
         10,
         0,
         10,
         30,
         10,
         {0, 30},
         0,
         10},
        {"summary, four entries per row",
         BarMode::Summary,
         ViewMode::SideBySide,
         10,
         0,
         5,
         30,
         1,
         {0, 40},
         0,
         40},
        {"summary, three rows per entry",
         BarMode::Summary,
         ViewMode::Stacked,
         300,
         150,
         20,
         50,
         150,
         {50, 57},
         150,
         100},
        {"summary without rows", BarMode::Summary, ViewMode::SideBySide, 0, 0, 20, 30, 0, {}, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AlignedRows rows;
        OverviewBarModel model(rows);
        FillRows(rows, c.total);
        model.SetHeight(100);
        model.SetViewMode(c.viewMode);
        if (c.mode == BarMode::Window) model.ToggleMode();
        model.RowsReplaced();
        model.SetTopRow(c.topRow);
        model.SetRowsShown(c.rowsShown);

        EXPECT_EQ(model.Mode(), c.mode);
        EXPECT_EQ(model.RowAt(c.clickY), c.row);
        EXPECT_EQ(model.VisibleSpan(), c.span);
        EXPECT_EQ(model.BarTop(), c.barTop);
        const std::span<const std::uint8_t> entries = model.Entries();
        ASSERT_EQ(static_cast<int>(entries.size()), c.entryCount);
        if (c.mode == BarMode::Window) {
            EXPECT_EQ(entries.data(), rows.Kinds() + c.barTop);
        } else {
            EXPECT_EQ(Copy(entries), model.Summary());
        }
    }
}

TEST(OverviewBarModel, OnlyAMovedWindowShownInWindowModeNeedsARefresh) {
    struct Step {
        const char* name;
        bool (*apply)(OverviewBarModel&);
        int barTop;
        bool moved;
    };
    // 300 rows in a bar 100 pixels high.
    const Step steps[] = {
        {"scroll down", [](OverviewBarModel& m) { return m.SetTopRow(150); }, 150, true},
        {"same row again", [](OverviewBarModel& m) { return m.SetTopRow(150); }, 150, false},
        {"near the end", [](OverviewBarModel& m) { return m.SetTopRow(250); }, 200, true},
        {"window already at the end", [](OverviewBarModel& m) { return m.SetTopRow(280); }, 200,
         false},
        {"panes stacked", [](OverviewBarModel& m) { return m.SetViewMode(ViewMode::Stacked); }, 253,
         true},
        {"stacked again", [](OverviewBarModel& m) { return m.SetViewMode(ViewMode::Stacked); }, 253,
         false},
        {"back to the top", [](OverviewBarModel& m) { return m.SetTopRow(0); }, 0, true},
    };
    for (const BarMode mode : {BarMode::Window, BarMode::Summary}) {
        AlignedRows rows;
        OverviewBarModel model(rows);
        FillRows(rows, 300);
        model.SetHeight(100);
        if (mode == BarMode::Window) model.ToggleMode();
        model.RowsReplaced();
        for (const Step& step : steps) {
            SCOPED_TRACE(std::string(step.name) + (mode == BarMode::Window ? " (window)" : ""));
            EXPECT_EQ(step.apply(model), step.moved && mode == BarMode::Window);
            EXPECT_EQ(model.BarTop(), step.barTop);
        }
    }
}

TEST(OverviewBarModel, TogglingSwitchesEntriesAndRebuildsTheSummaryForNewRowsAndHeight) {
    AlignedRows rows;
    OverviewBarModel model(rows);
    FillRows(rows, 10);
    model.RowsReplaced();
    EXPECT_TRUE(model.Entries().empty()) << "no summary before the bar has a height";

    model.SetHeight(100);
    EXPECT_EQ(model.Mode(), BarMode::Summary);
    EXPECT_EQ(Copy(model.Entries()), BuildSummary(rows.Kinds(), 10, 100));

    model.ToggleMode();
    EXPECT_EQ(model.Mode(), BarMode::Window);
    EXPECT_EQ(Copy(model.Entries()), std::vector<std::uint8_t>(rows.Kinds(), rows.Kinds() + 10));

    // Height and rows change while the window is shown; the summary catches up on return.
    model.SetHeight(50);
    FillRows(rows, 200);
    model.RowsReplaced();
    EXPECT_EQ(model.Entries().size(), 200u);
    model.ToggleMode();
    EXPECT_EQ(model.Mode(), BarMode::Summary);
    EXPECT_EQ(Copy(model.Entries()), BuildSummary(rows.Kinds(), 200, 50));

    FillRows(rows, 0);
    model.RowsReplaced();
    EXPECT_TRUE(model.Entries().empty()) << "no rows leave the bar empty";
}

} // namespace
} // namespace varnex
