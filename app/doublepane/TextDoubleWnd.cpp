// The double-pane window: two panes, their title bars and layouts, focus and coupled scrolling.
#include "app/doublepane/TextDoubleWnd.h"

#include "app/doublepane/ComparePane.h"
#include "app/doublepane/ContextSide.h"
#include "app/doublepane/DoublePaneMenu.h"
#include "app/doublepane/TitleBar.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <QStyle>

namespace varnex {

namespace {

QRect ToRect(const LayoutRect& rect) {
    return QRect(rect.x, rect.y, rect.width, rect.height);
}

} // namespace

CTextDoubleWnd::CTextDoubleWnd(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TextDoubleWnd"));
    for (const Side side : kBothSides) {
        titleBars_[IndexOf(side)] = new TitleBar(this);
        CComparePane* pane = panes_[IndexOf(side)] = new CComparePane(this);
        connect(pane, &CAnsiView::ScrollPositionChanged, this,
                [this, side] { OnPaneScrolled(side); });
        connect(pane, &CComparePane::FocusGained, this, [this, side] { OnPaneFocused(side); });
        pane->Editor().SetCopiedLineRule(
            [this, side](int row) { return CopiedLineOfRow(SideStateOf(side), row); });
        // A searched word is marked in both files, whichever pane was searched.
        connect(pane, &CAnsiEditView::HighlightChanged, this,
                [this, side] { Pane(OtherSide(side)).TakeHighlightFrom(Pane(side)); });
    }
    // The panes show the same rows: they scroll over one range, so neither can run ahead.
    Pane(Side::Left).SetScrollPartner(&Pane(Side::Right));
    setFocusProxy(&Pane(activeSide_));
    MarkActiveTitle();
    menu_ = new DoublePaneMenu(*this);
    // A right click on a pane offers the side's path and editor before the pane's own entries.
    for (const Side side : kBothSides) {
        Pane(side).SetContextMenuHook([this, side](QMenu& menu, QPoint) {
            contextSide_ = side;
            menu_->AddEntries(menu, side);
            menu.addSeparator();
            return false;
        });
    }
    LayOut();
}

void CTextDoubleWnd::contextMenuEvent(QContextMenuEvent* event) {
    const QPoint at = mapFromGlobal(event->globalPos());
    contextSide_ = ContextSideAt(at.x(), at.y(), width(), height(), Stacked());
    QMenu* menu = menu_->Build(contextSide_, this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void CTextDoubleWnd::SetStacked(bool stacked) {
    stacked_ = stacked;
    LayOut();
    update();
}

void CTextDoubleWnd::SetTitleText(Side side, const std::optional<QString>& text) {
    titleText_[IndexOf(side)] = text;
    TitleBarOf(side).setText(text.value_or(QString()));
    if ((geometry_.titleHeight > 0) != (titleText_[0] || titleText_[1])) LayOut();
}

void CTextDoubleWnd::ScrollBoth(int column, int row) {
    coupling_ = true;
    panes_[0]->ScrollTo(column, row);
    const ScrollState& shown = panes_[0]->Scroll();
    panes_[1]->ScrollTo(shown.firstColumn, shown.firstLine);
    coupling_ = false;
    emit PanesScrolled(shown.firstColumn, shown.firstLine);
}

void CTextDoubleWnd::RepaintPanes() {
    for (CComparePane* pane : panes_)
        pane->viewport()->update();
}

// The other pane only follows; its own report of that move must not move the first one back.
void CTextDoubleWnd::OnPaneScrolled(Side side) {
    if (coupling_) return;
    const ScrollState& shown = Pane(side).Scroll();
    coupling_ = true;
    Pane(OtherSide(side)).ScrollTo(shown.firstColumn, shown.firstLine);
    coupling_ = false;
    emit PanesScrolled(shown.firstColumn, shown.firstLine);
}

void CTextDoubleWnd::OnPaneFocused(Side side) {
    activeSide_ = side;
    setFocusProxy(&Pane(side));
    MarkActiveTitle();
}

// Find, copy and the context menu act on the active pane; its title shows which one that is.
void CTextDoubleWnd::MarkActiveTitle() {
    for (const Side side : kBothSides)
        TitleBarOf(side).SetActive(side == activeSide_);
}

void CTextDoubleWnd::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayOut();
}

void CTextDoubleWnd::LayOut() {
    const bool anyTitle = titleText_[0] || titleText_[1];
    const int titleHeight =
        TitleHeight(anyTitle, style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this));
    geometry_ = Stacked() ? LayOutStacked(width(), height(), titleHeight)
                          : LayOutSideBySide(width(), height(), titleHeight);
    for (int side = 0; side < 2; ++side) {
        panes_[side]->setGeometry(ToRect(geometry_.panes[side]));
        titleBars_[side]->setGeometry(ToRect(geometry_.titles[side]));
        titleBars_[side]->setVisible(titleHeight > 0);
    }
    update();
}

void CTextDoubleWnd::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    if (Stacked()) {
        PaintStackedGap(painter);
    } else {
        painter.fillRect(geometry_.gapAt, 0, 1, height(), Qt::black);
    }
}

// A raised edge: light, white, three rows of face colour, shadow, black.
void CTextDoubleWnd::PaintStackedGap(QPainter& painter) {
    const QColor rows[kStackedGapRows] = {palette().color(QPalette::Midlight),
                                          Qt::white,
                                          palette().color(QPalette::Button),
                                          palette().color(QPalette::Button),
                                          palette().color(QPalette::Button),
                                          palette().color(QPalette::Dark),
                                          Qt::black};
    for (int row = 0; row < kStackedGapRows; ++row) {
        painter.fillRect(0, geometry_.gapAt + row, width(), 1, rows[row]);
    }
}

} // namespace varnex
