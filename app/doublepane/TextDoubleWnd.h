// The double-pane window: two panes, their title bars and layouts, focus and coupled scrolling.
#pragma once

#include "app/doublepane/DoublePaneLayout.h"
#include "app/doublepane/SideState.h"
#include "engine/Side.h"

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

    // The left side is the left or upper pane, the right side the right or lower one.
    CComparePane& Pane(Side side) { return *panes_[IndexOf(side)]; }
    TitleBar& TitleBarOf(Side side) { return *titleBars_[IndexOf(side)]; }
    // The side whose pane last gained the focus; the left one at first.
    Side ActiveSide() const { return activeSide_; }
    CComparePane& ActivePane() { return Pane(activeSide_); }

    bool Stacked() const { return stacked_; }
    // Places the panes one above the other (true) or side by side, and repaints.
    void SetStacked(bool stacked);
    // Shows `text` in the side's title bar; nothing unsets it. Title bars are shown while
    // either side has a title.
    void SetTitleText(Side side, const std::optional<QString>& text);
    const std::optional<QString>& TitleText(Side side) const { return titleText_[IndexOf(side)]; }
    const DoublePaneGeometry& Geometry() const { return geometry_; }

    // Scrolls both panes so that (column, row) is their top left cell, then reports it.
    void ScrollBoth(int column, int row);
    void RepaintPanes();

    // The file and row-to-line table of a side, for its context menu.
    void SetSideState(Side side, SideState state) { sides_[IndexOf(side)] = std::move(state); }
    const SideState& SideStateOf(Side side) const { return sides_[IndexOf(side)]; }
    // Side of the last context-menu request.
    Side ContextSide() const { return contextSide_; }
    DoublePaneMenu& ContextMenu() { return *menu_; }

signals:
    // The panes now show (firstColumn, firstRow) at their top left.
    void PanesScrolled(int firstColumn, int firstRow);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void OnPaneScrolled(Side side);
    void OnPaneFocused(Side side);
    void MarkActiveTitle();
    void LayOut();
    void PaintStackedGap(QPainter& painter);

    std::array<CComparePane*, 2> panes_{};
    std::array<TitleBar*, 2> titleBars_{};
    std::array<std::optional<QString>, 2> titleText_;
    DoublePaneGeometry geometry_;
    bool stacked_ = false;
    Side activeSide_ = Side::Left;
    Side contextSide_ = Side::Left;
    std::array<SideState, 2> sides_;
    DoublePaneMenu* menu_ = nullptr;
    bool coupling_ = false; // a pane is being moved to follow the other
};

} // namespace varnex
