// The overview bar right of the panes: the kind of every row, or stretch of rows, as a colour.
#include "app/overview/OverviewBar.h"

#include "app/overview/OverviewBarMath.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <array>

namespace varnex {

QColor OverviewBar::KindColour(std::uint8_t kind) {
    static const std::array<QColor, 4> colours = {QColor(192, 192, 192), QColor(0, 0, 255),
                                                  QColor(0, 192, 0), QColor(192, 0, 0)};
    return colours[kind < colours.size() ? kind : 0];
}

OverviewBar::OverviewBar(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void OverviewBar::SetEntries(const std::uint8_t* kinds, int count) {
    entries_.assign(kinds, kinds + std::max(count, 0));
    update();
}

void OverviewBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintEdge(painter);
    const int covered = PaintEntries(painter);
    painter.fillRect(kOverviewBarEdge, covered, width() - kOverviewBarEdge, height() - covered,
                     palette().color(QPalette::Button));
    PaintVisibleFrame(painter);
}

void OverviewBar::SetVisibleSpan(int top, int bottom) {
    if (top == visibleTop_ && bottom == visibleBottom_) return;
    visibleTop_ = top;
    visibleBottom_ = bottom;
    update();
}

// A frame in the text colour, at least three pixels high so that it shows on long files.
void OverviewBar::PaintVisibleFrame(QPainter& painter) {
    if (visibleBottom_ <= visibleTop_) return;
    const int height = std::max(visibleBottom_ - visibleTop_, 3);
    const int top = std::min(visibleTop_, std::max(this->height() - height, 0));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(kOverviewBarEdge, top, width() - kOverviewBarEdge - 1, height - 1);
}

// One column each of light, white, face and shadow colour.
void OverviewBar::PaintEdge(QPainter& painter) {
    const std::array<QColor, kOverviewBarEdge> columns = {
        palette().color(QPalette::Midlight), Qt::white, palette().color(QPalette::Button),
        palette().color(QPalette::Dark)};
    for (int x = 0; x < kOverviewBarEdge; ++x)
        painter.fillRect(x, 0, 1, height(), columns[x]);
}

// Runs of equal kind are drawn as one rectangle.
int OverviewBar::PaintEntries(QPainter& painter) {
    const int count = EntryCount();
    const int pixels = PixelsPerEntry(height(), count);
    const int shown = std::min(height(), count);
    const int barWidth = width() - kOverviewBarEdge;
    int runStart = 0;
    for (int entry = 1; entry <= shown; ++entry) {
        if (entry < shown && entries_[entry] == entries_[runStart]) continue;
        painter.fillRect(kOverviewBarEdge, runStart * pixels, barWidth, (entry - runStart) * pixels,
                         KindColour(entries_[runStart]));
        runStart = entry;
    }
    return shown * pixels;
}

void OverviewBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit Clicked(event->position().toPoint().y());
}

void OverviewBar::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (at.x() >= kOverviewBarClickInset) emit DoubleClicked(at.y());
}

} // namespace varnex
