// What the overview bar shows and where it points: its mode, the summary or the window of rows
// around the panes' top row, the frame of the rows shown, and the row a click lands on.
#pragma once

#include "app/compare/ViewSettings.h"
#include "app/overview/OverviewBarMath.h"
#include "engine/result/AlignedRows.h"

#include <cstdint>
#include <span>
#include <vector>

namespace varnex {

class OverviewBarModel {
public:
    // Reads `rows` whenever it answers, so they must outlive the model; after they change,
    // RowsReplaced brings the summary up to date.
    explicit OverviewBarModel(const AlignedRows& rows) : rows_(rows) {}

    BarMode Mode() const { return mode_; }
    // Switches between the summary and the window; the caller pushes the entries again.
    void ToggleMode();

    // The bar's height in pixels; rebuilds the summary for it.
    void SetHeight(int height);
    // The panes stacked show half as many rows, so the window starts elsewhere. Returns true
    // when the bar's entries must be pushed again.
    bool SetViewMode(ViewMode viewMode);
    // The rows were replaced and the panes start at the top again: the window and the summary
    // are counted again for them.
    void RowsReplaced();

    // Returns true when the bar's entries must be pushed again: the window moved.
    bool SetTopRow(int topRow);
    void SetRowsShown(int rowsShown) { rowsShown_ = rowsShown; }
    int TopRow() const { return topRow_; }
    // The first row the bar shows in BarMode::Window.
    int BarTop() const { return barTop_; }
    // The bar's entries in BarMode::Summary, as last built there.
    const std::vector<std::uint8_t>& Summary() const { return summary_; }

    // The kinds the bar shows from its top edge down.
    std::span<const std::uint8_t> Entries() const;
    // The pixel rows that frame the rows the panes show.
    BarSpan VisibleSpan() const;
    // The row a click `y` pixels below the bar's top points at.
    int RowAt(int y) const;

private:
    int WindowRows() const;
    bool UpdateBarTop();
    void RebuildSummary();

    const AlignedRows& rows_;
    BarMode mode_ = BarMode::Summary;
    ViewMode viewMode_ = ViewMode::SideBySide;
    int height_ = 0;
    int topRow_ = 0;
    int rowsShown_ = 0;
    int barTop_ = 0;
    std::vector<std::uint8_t> summary_;
};

} // namespace varnex
