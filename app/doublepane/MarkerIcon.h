// The current-block marker: a yellow bar one text line high at the left of a clear square.
#pragma once

#include <QPixmap>

namespace varnex {

class MarkerIcon {
public:
    static constexpr int kSize = 32;
    static constexpr int kBarWidth = 4;

    // The marker for text lines `lineHeight` pixels high; made anew when the height changes.
    const QPixmap& For(int lineHeight);

private:
    QPixmap pixmap_;
    int lineHeight_ = -1;
};

} // namespace varnex
