// The overview bar right of the panes: the kind of every row, or stretch of rows, as a colour.
#pragma once

#include <QColor>
#include <QWidget>

#include <cstdint>
#include <vector>

namespace varnex {

class OverviewBar : public QWidget {
    Q_OBJECT

public:
    explicit OverviewBar(QWidget* parent = nullptr);

    // The row kinds the bar shows from its top edge down, one per entry.
    void SetEntries(const std::uint8_t* kinds, int count);
    int EntryCount() const { return static_cast<int>(entries_.size()); }
    // Colour of a row kind: equal, changed, inserted, removed.
    static QColor KindColour(std::uint8_t kind);
    // The pixel rows [top, bottom) that stand for what the panes show, drawn as a frame.
    void SetVisibleSpan(int top, int bottom);
    int VisibleTop() const { return visibleTop_; }
    int VisibleBottom() const { return visibleBottom_; }

signals:
    // A click with the left button, `y` pixels below the top.
    void Clicked(int y);
    // A double-click right of the edge, `y` pixels below the top.
    void DoubleClicked(int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void PaintEdge(QPainter& painter);
    // Returns the height the entries cover.
    int PaintEntries(QPainter& painter);
    void PaintVisibleFrame(QPainter& painter);

    std::vector<std::uint8_t> entries_;
    int visibleTop_ = 0;
    int visibleBottom_ = 0;
};

} // namespace varnex
