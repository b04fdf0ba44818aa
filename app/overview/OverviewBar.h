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

signals:
    // A double-click right of the edge, `y` pixels below the top.
    void DoubleClicked(int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void PaintEdge(QPainter& painter);
    // Returns the height the entries cover.
    int PaintEntries(QPainter& painter);

    std::vector<std::uint8_t> entries_;
};

} // namespace varnex
