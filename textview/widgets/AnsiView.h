// The pane window: character cells, scrolling, the line-number margin and painting.
#pragma once

#include "textview/model/document/PendingRepaint.h"
#include "textview/model/editor/PaneMouse.h"
#include "textview/model/editor/ScrollState.h"
#include "textview/model/settings/PaneResources.h"
#include "textview/widgets/LinePainter.h"

#include <QAbstractScrollArea>

#include <functional>
#include <memory>
#include <string>

namespace varnex {

// The name stays from when panes showed only 8-bit (Windows-1252) text; the pane draws each
// line in its display encoding, UTF-8 too.
class CAnsiView : public QAbstractScrollArea {
    Q_OBJECT

public:
    // Font of a group whose first pane gets its window before any font was chosen.
    static constexpr int kDefaultFontSize = 15;
    static constexpr const char* kDefaultFace = "Courier";
    static constexpr int kMaxMarginWidth = 2000;

    explicit CAnsiView(const std::string& resourceName, QWidget* parent = nullptr);
    ~CAnsiView() override;

    PaneResources& Resources() { return *resources_; }
    const PaneResources& Resources() const { return *resources_; }
    // Only panes make a group's fonts, and they always make a FontSet.
    const FontSet& Fonts() const { return static_cast<const FontSet&>(*resources_->Fonts()); }
    QSize CellSize() const { return Fonts().Cell(); }

    // Rebuilds the group's fonts: with a size from that size (6..48 pixels) and `face`, with
    // size 0 from the group's FontSpec. Every pane of the group is laid out anew.
    void SetFont(int size, const std::string& face);

    // 0..2000 pixels show a line-number margin on every pane of the group, anything else
    // removes it. False when nothing changes.
    virtual bool SetLineNumberWidth(int pixels);
    int MarginWidth() const { return resources_->MarginWidth().value_or(0); }

    const ScrollState& Scroll() const { return scroll_; }
    // Scrolls so that (column, line) is the top left cell, as far as the text allows.
    void ScrollTo(int column, int line);

    // The text position of a point of the viewport: the nearest caret position and the cell.
    PointerHit HitAt(QPoint point) const;
    // The viewport rectangle of the cell at `position` (it may lie outside the viewport).
    QRect CellRect(TextPosition position) const;

    virtual int LineCount() const { return 0; }
    // Width of the widest line in columns, for the horizontal scroll range.
    virtual int ContentColumns() const { return 0; }
    // Draws `line` from `firstColumn` on into `rect`; returns the number of columns drawn.
    virtual int PrintLine(LinePainter& lines, const QRect& rect, int line, int firstColumn,
                          int columnCount, int flags);
    virtual void PrintLineNumber(QPainter& painter, const QRect& rect, int line);

    // The process-wide editor options or tab width changed: lay out and draw again.
    virtual void SharedSettingsChanged();

    // Two panes that show the rows of one comparison scroll as one: each takes the union of
    // both scroll ranges and the smaller page, so that both can always show the same first
    // row and column whatever scroll bars either has. Null ends the pairing.
    void SetScrollPartner(CAnsiView* partner);

signals:
    void ScrollPositionChanged(int firstColumn, int firstLine);
    // The group's font changed, so the rows and columns shown did too: hosts that frame them
    // follow.
    void CellSizeChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

    // Turns a pending-repaint word into window updates.
    void RequestRepaint(const PendingRepaint& pending);
    // The line count or the widest line changed: the scroll ranges follow soon.
    void ContentChanged();
    // Called whenever the first visible line or the visible line count changed.
    virtual void VisibleLinesChanged() {}
    // Runs `action` on every pane of this pane's group, or of the whole program.
    void ForEachGroupPane(const std::function<void(CAnsiView&)>& action);
    static void ForEachPane(const std::function<void(CAnsiView&)>& action);

private:
    struct ScrollLimits {
        int maxFirstLine = 0;
        int linePage = 1;
        int maxFirstColumn = 0;
        int columnPage = 1;
    };

    void LayOut();
    ScrollLimits OwnScrollLimits() const;
    ScrollLimits JointScrollLimits() const;
    void ApplyScrollLimits(const ScrollLimits& limits);
    void UpdateScrollBars();
    void ApplyScroll();
    QRect RowRect(int row) const;
    void PaintRow(LinePainter& lines, int row);
    void PaintMargin(QPainter& painter, int firstRow, int lastRow);

    std::shared_ptr<PaneResources> resources_;
    ScrollState scroll_;
    bool scrollBarsPending_ = false;
    CAnsiView* scrollPartner_ = nullptr;
};

} // namespace varnex
