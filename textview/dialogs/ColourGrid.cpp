// One colour grid of the colours dialog.
#include "textview/dialogs/ColourGrid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionFocusRect>

#include <algorithm>

namespace varnex {

namespace {

// Space around each swatch, so that neighbours of equal lightness still read as two tiles.
constexpr int kSwatchGap = 2;
constexpr int kSelectionPen = 2;

} // namespace

QColor QColorOf(std::uint32_t colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

std::uint32_t ColourValueOf(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return static_cast<std::uint32_t>(rgb.red()) | (static_cast<std::uint32_t>(rgb.green()) << 8) |
           (static_cast<std::uint32_t>(rgb.blue()) << 16);
}

ColourGrid::ColourGrid(QSize nominalClient, QWidget* parent)
    : QFrame(parent), grid_(FitSwatchGrid(nominalClient.width(), nominalClient.height())) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    const int frame = 2 * frameWidth();
    setFixedSize(grid_.ClientWidth() + frame, grid_.ClientHeight() + frame);
}

void ColourGrid::ShowColour(std::uint32_t colour) {
    selected_ = PaletteIndexOf(colour);
    update();
}

QRect ColourGrid::SwatchRect(int index) const {
    const QPoint origin = contentsRect().topLeft();
    return QRect(origin.x() + index / grid_.rows * grid_.swatch,
                 origin.y() + index % grid_.rows * grid_.swatch, grid_.swatch, grid_.swatch);
}

void ColourGrid::Pick(int index) {
    selected_ = index;
    update();
    emit ColourPicked(kPaletteColours[static_cast<std::size_t>(index)]);
}

std::optional<int> ColourGrid::KeyTarget(int key) const {
    const int from = selected_.value_or(0);
    int to = from;
    switch (key) {
    case Qt::Key_Up:
        to = from - 1;
        break;
    case Qt::Key_Down:
        to = from + 1;
        break;
    case Qt::Key_Left:
        to = from - grid_.rows;
        break;
    case Qt::Key_Right:
        to = from + grid_.rows;
        break;
    case Qt::Key_Home:
        to = 0;
        break;
    case Qt::Key_End:
        to = kPaletteSize - 1;
        break;
    default:
        return std::nullopt;
    }
    // Without a selection the first key lands on the first swatch, as in a list.
    if (!selected_) return 0;
    return std::clamp(to, 0, kPaletteSize - 1);
}

void ColourGrid::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QFrame::mousePressEvent(event);
    for (int index = 0; index < kPaletteSize; ++index)
        if (SwatchRect(index).contains(event->position().toPoint())) return Pick(index);
}

void ColourGrid::keyPressEvent(QKeyEvent* event) {
    const std::optional<int> target = KeyTarget(event->key());
    if (!target) return QFrame::keyPressEvent(event);
    if (*target != selected_) Pick(*target);
}

void ColourGrid::focusInEvent(QFocusEvent* event) {
    QFrame::focusInEvent(event);
    update();
}

void ColourGrid::focusOutEvent(QFocusEvent* event) {
    QFrame::focusOutEvent(event);
    update();
}

void ColourGrid::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    for (int index = 0; index < kPaletteSize; ++index)
        PaintSwatch(painter, index);
    if (!hasFocus()) return;
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = SwatchRect(selected_.value_or(0));
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
}

void ColourGrid::PaintSwatch(QPainter& painter, int index) const {
    const QRect cell = SwatchRect(index);
    const QRect inner = cell.adjusted(kSwatchGap, kSwatchGap, -kSwatchGap - 1, -kSwatchGap - 1);
    const std::uint32_t colour = kPaletteColours[static_cast<std::size_t>(index)];
    if (colour == kWindowColour) {
        PaintWindowColourSwatch(painter, inner);
    } else {
        painter.fillRect(inner, QColorOf(colour));
    }
    painter.setPen(palette().color(QPalette::Dark));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(inner);
    if (index != selected_) return;
    QPen highlight(palette().color(QPalette::Highlight), kSelectionPen);
    highlight.setJoinStyle(Qt::MiterJoin);
    painter.setPen(highlight);
    painter.drawRect(QRectF(cell).adjusted(1, 1, -1, -1));
}

// The window's own colours: its background, cut diagonally by its text colour.
void ColourGrid::PaintWindowColourSwatch(QPainter& painter, const QRect& inner) const {
    painter.fillRect(inner, palette().color(QPalette::Base));
    QPainterPath lowerRight;
    lowerRight.moveTo(inner.topRight() + QPointF(1, 0));
    lowerRight.lineTo(inner.bottomRight() + QPointF(1, 1));
    lowerRight.lineTo(inner.bottomLeft() + QPointF(0, 1));
    lowerRight.closeSubpath();
    painter.fillPath(lowerRight, palette().color(QPalette::Text));
}

} // namespace varnex
