// What the overview bar shows and where it points: its mode, the summary or the window of rows
// around the panes' top row, the frame of the rows shown, and the row a click lands on.
#include "app/overview/OverviewBarModel.h"

#include <algorithm>

namespace varnex {

namespace {

// In the stacked layout each pane gets half the height, less half the raised edge.
constexpr int kStackedEdgeAllowance = 6;

} // namespace

void OverviewBarModel::ToggleMode() {
    mode_ = mode_ == BarMode::Summary ? BarMode::Window : BarMode::Summary;
    RebuildSummary();
}

void OverviewBarModel::SetHeight(int height) {
    height_ = height;
    RebuildSummary();
}

bool OverviewBarModel::SetViewMode(ViewMode viewMode) {
    viewMode_ = viewMode;
    return UpdateBarTop();
}

void OverviewBarModel::RowsReplaced() {
    topRow_ = 0;
    UpdateBarTop();
    RebuildSummary();
}

bool OverviewBarModel::SetTopRow(int topRow) {
    topRow_ = topRow;
    return UpdateBarTop();
}

std::span<const std::uint8_t> OverviewBarModel::Entries() const {
    if (mode_ == BarMode::Summary) return summary_;
    const int total = rows_.Count();
    const int first = std::clamp(barTop_, 0, total);
    return {rows_.Kinds() + first, static_cast<std::size_t>(total - first)};
}

BarSpan OverviewBarModel::VisibleSpan() const {
    const int total = rows_.Count();
    if (mode_ == BarMode::Window)
        return VisibleSpanInWindowMode(topRow_, rowsShown_, height_, total, barTop_);
    return VisibleSpanInSummaryMode(topRow_, rowsShown_, height_, total,
                                    static_cast<int>(summary_.size()));
}

int OverviewBarModel::RowAt(int y) const {
    const int total = rows_.Count();
    if (mode_ == BarMode::Window) return RowAtWindowClick(y, height_, total, barTop_);
    return RowAtSummaryClick(y, height_, total, static_cast<int>(summary_.size()));
}

// How many rows the bar shows at one pixel each in BarMode::Window.
int OverviewBarModel::WindowRows() const {
    return viewMode_ == ViewMode::SideBySide ? height_ : (height_ - kStackedEdgeAllowance) / 2;
}

// The window is kept current in both modes, so that switching to it needs no recount.
bool OverviewBarModel::UpdateBarTop() {
    const int barTop = BarTopFor(topRow_, rows_.Count(), WindowRows());
    if (barTop == barTop_) return false;
    barTop_ = barTop;
    return mode_ == BarMode::Window;
}

// Without rows (after a failed load) the bar stays empty rather than showing one equal entry.
void OverviewBarModel::RebuildSummary() {
    if (mode_ != BarMode::Summary || height_ <= 0) return;
    const int total = rows_.Count();
    summary_ =
        total > 0 ? BuildSummary(rows_.Kinds(), total, height_) : std::vector<std::uint8_t>();
}

} // namespace varnex
