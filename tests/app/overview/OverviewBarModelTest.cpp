// The overview bar's state without widgets: clicks, frame, entries, refreshes and mode switches.
#include "app/overview/OverviewBarModel.h"

#include <gtest/gtest.h>

#include <span>
#include <vector>

namespace varnex {
namespace {

constexpr BarMode kWindow = BarMode::Window;
constexpr BarMode kSummary = BarMode::Summary;
constexpr ViewMode kSide = ViewMode::SideBySide;
constexpr ViewMode kStacked = ViewMode::Stacked;

// `total` rows whose kinds cycle through all four, so that any slice shows where it starts.
void FillRows(AlignedRows& rows, int total) {
    rows.Clear();
    rows.SetCount(total);
    for (int row = 0; row < total; ++row)
        rows.SetKind(row, static_cast<RowKind>(row % 4));
}

// A bar 100 pixels high in `mode`, beside panes laid out as `view`.
void LayOutBar(OverviewBarModel& model, BarMode mode, ViewMode view) {
    model.SetHeight(100);
    model.SetViewMode(view);
    if (mode == kWindow) model.ToggleMode();
    model.RowsReplaced();
}

std::vector<std::uint8_t> Copy(std::span<const std::uint8_t> entries) {
    return {entries.begin(), entries.end()};
}

TEST(OverviewBarModel, AnswersFollowTheModeAndTheLayout) {
    struct Case {
        BarMode mode;
        ViewMode view;
        int total, topRow, rowsShown, clickY; // given
        int row;                              // expected from here on
        BarSpan span;
        int barTop, entryCount;
    };
    const Case cases[] = {
        {kWindow, kSide, 300, 150, 20, 30, 180, {0, 20}, 150, 150},      // a pixel per row
        {kWindow, kStacked, 300, 290, 20, 10, 263, {37, 57}, 253, 47},   // stacked: fewer rows
        {kSummary, kStacked, 300, 150, 20, 50, 150, {50, 57}, 150, 100}, // three rows an entry
        {kSummary, kSide, 0, 0, 20, 30, 0, {}, 0, 0},                    // no rows
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        AlignedRows rows;
        FillRows(rows, c.total);
        OverviewBarModel model(rows);
        LayOutBar(model, c.mode, c.view);
        model.SetTopRow(c.topRow);
        model.SetRowsShown(c.rowsShown);
        EXPECT_EQ(model.Mode(), c.mode);
        EXPECT_EQ(model.RowAt(c.clickY), c.row);
        EXPECT_EQ(model.VisibleSpan(), c.span);
        EXPECT_EQ(model.BarTop(), c.barTop);
        const std::uint8_t* kinds = rows.Kinds();
        const std::vector<std::uint8_t> shown =
            c.mode == kWindow ? std::vector(kinds + c.barTop, kinds + c.total) : model.Summary();
        EXPECT_EQ(static_cast<int>(shown.size()), c.entryCount);
        EXPECT_EQ(Copy(model.Entries()), shown);
    }
}

TEST(OverviewBarModel, OnlyAMovedWindowShownInWindowModeNeedsARefresh) {
    struct Step {
        ViewMode view;
        int topRow, barTop;
        bool moved;
    };
    // 300 rows in a bar 100 pixels high; stacked panes show 47 rows.
    const Step steps[] = {
        {kSide, 150, 150, true},  {kSide, 150, 150, false},   {kSide, 250, 200, true},
        {kSide, 280, 200, false}, {kStacked, 280, 253, true}, {kStacked, 280, 253, false},
        {kStacked, 0, 0, true},
    };
    for (const BarMode mode : {kWindow, kSummary}) {
        AlignedRows rows;
        FillRows(rows, 300);
        OverviewBarModel model(rows);
        LayOutBar(model, mode, kSide);
        for (const Step& step : steps) {
            SCOPED_TRACE(testing::Message() << "step " << (&step - steps)
                                            << (mode == kWindow ? " window" : " summary"));
            const bool refresh = model.SetViewMode(step.view) | model.SetTopRow(step.topRow);
            EXPECT_EQ(refresh, step.moved && mode == kWindow);
            EXPECT_EQ(model.BarTop(), step.barTop);
        }
    }
}

TEST(OverviewBarModel, TheSummaryIsRebuiltWhenTheBarTogglesBackToIt) {
    AlignedRows rows;
    FillRows(rows, 10);
    OverviewBarModel model(rows);
    LayOutBar(model, kWindow, kSide);
    // Height and rows change while the window is shown.
    model.SetHeight(50);
    FillRows(rows, 200);
    model.RowsReplaced();
    model.ToggleMode();
    EXPECT_EQ(model.Mode(), kSummary);
    EXPECT_EQ(Copy(model.Entries()), BuildSummary(rows.Kinds(), 200, 50));
}

} // namespace
} // namespace varnex
