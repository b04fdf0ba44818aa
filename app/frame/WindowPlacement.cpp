// Where the main window opens: within the screen area there is now.
#include "app/frame/WindowPlacement.h"

#include <algorithm>

namespace varnex {

namespace {

QSize FittedSize(QSize wanted, const QRect& available, QSize frameAllowance) {
    const QSize room = (available.size() - frameAllowance).expandedTo(QSize(1, 1));
    return wanted.boundedTo(room).expandedTo(QSize(1, 1));
}

int Within(int position, int length, int areaStart, int areaLength, int frame) {
    const int last = areaStart + areaLength - length - frame;
    return std::max(areaStart, std::min(position, last));
}

} // namespace

QRect FitToScreen(const QRect& wanted, const QRect& available, QSize frameAllowance) {
    const QSize size = FittedSize(wanted.size(), available, frameAllowance);
    const int x = Within(wanted.x(), size.width(), available.x(), available.width(),
                         frameAllowance.width());
    const int y = Within(wanted.y(), size.height(), available.y(), available.height(),
                         frameAllowance.height());
    return QRect(QPoint(x, y), size);
}

QRect CentredOnScreen(QSize size, const QRect& available, QSize frameAllowance) {
    const QSize fitted = FittedSize(size, available, frameAllowance);
    const QSize spare = available.size() - fitted - frameAllowance;
    const QPoint topLeft =
        available.topLeft() + QPoint(std::max(0, spare.width() / 2), std::max(0, spare.height() / 2));
    return QRect(topLeft, fitted);
}

QRect PlacementAtStart(const std::optional<StoredPlacement>& stored, QSize firstSize,
                       const QRect& available, QSize frameAllowance) {
    if (!stored) return CentredOnScreen(firstSize, available, frameAllowance);
    const QRect last(stored->left, stored->top, stored->width, stored->height);
    return FitToScreen(last, available, frameAllowance);
}

} // namespace varnex
