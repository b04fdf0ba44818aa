// The current-block marker: a yellow bar one text line high at the left of a clear square.
#include "app/doublepane/MarkerIcon.h"

#include <QPainter>

#include <algorithm>

namespace varnex {

const QPixmap& MarkerIcon::For(int lineHeight) {
    if (lineHeight == lineHeight_) return pixmap_;
    lineHeight_ = lineHeight;
    // Taller fonts get a taller square, so that the bar always spans the whole line.
    pixmap_ = QPixmap(kSize, std::max(kSize, lineHeight));
    pixmap_.fill(Qt::transparent);
    QPainter painter(&pixmap_);
    painter.fillRect(0, 0, kBarWidth, lineHeight, Qt::yellow);
    return pixmap_;
}

} // namespace varnex
