// The double-pane window: two panes, their title bars and layouts, focus and coupled scrolling.
#pragma once

#include "app/doublepane/DoublePaneLayout.h"
#include "app/doublepane/SideState.h"

#include <QString>
#include <QWidget>

#include <array>
#include <optional>

namespace varnex {

class CComparePane;
class DoublePaneMenu;
class TitleBar;

class CTextDoubleWnd : public QWidget {
    Q_OBJECT

public:
    explicit CTextDoubleWnd(QWidget* parent = nullptr);

    // Side 0 is the left or upper pane, side 1 the right or lower one.
    CComparePane& Pane(int side) { return *panes_[side & 1]; }
    TitleBar& TitleBarOf(int side) { return *titleBars_[side & 1]; }
    // The side whose pane last gained the focus; 0 at first.
    int ActiveSide() const { return activeSide_; }
    CComparePane& ActivePane() { return *panes_[activeSide_]; }

    bool Stacked() const { return (layout_ & kStackedBit) != 0; }
    // Places the panes one above the other (true) or side by side, and repaints.
    void SetStacked(bool stacked);
    // Shows `text` in the side's title bar; nothing unsets it. Title bars are shown while
    // either side has a title.
    void SetTitleText(int side, const std::optional<QString>& text);
    const std::optional<QString>& TitleText(int side) const { return titleText_[side & 1]; }
    const DoublePaneGeometry& Geometry() const { return geometry_; }

    // Scrolls both panes so that (column, row) is their top left cell, then reports it.
    void ScrollBoth(int column, int row);
    void RepaintPanes();

    // The file and row-to-line table of a side, for its context menu.
    void SetSideState(int side, SideState state) { sides_[side & 1] = std::move(state); }
    const SideState& SideStateOf(int side) const { return sides_[side & 1]; }
    // Side of the last context-menu request.
    int ContextSide() const { return contextSide_; }
    DoublePaneMenu& ContextMenu() { return *menu_; }

signals:
    // The panes now show (firstColumn, firstRow) at their top left.
    void PanesScrolled(int firstColumn, int firstRow);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    static constexpr int kStackedBit = 0x1;

    void OnPaneScrolled(int side);
    void OnPaneFocused(int side);
    void LayOut();
    void PaintStackedGap(QPainter& painter);

    std::array<CComparePane*, 2> panes_{};
    std::array<TitleBar*, 2> titleBars_{};
    std::array<std::optional<QString>, 2> titleText_;
    DoublePaneGeometry geometry_;
    int layout_ = 0;
    int activeSide_ = 0;
    int contextSide_ = 0;
    std::array<SideState, 2> sides_;
    DoublePaneMenu* menu_ = nullptr;
    bool coupling_ = false; // a pane is being moved to follow the other
};

} // namespace varnex
