// Zooming the text pane's font with Ctrl+wheel and Ctrl+Plus, Ctrl+Minus and Ctrl+0.
#include "textview/widgets/AnsiEditView.h"

#include <QFontInfo>
#include <QWheelEvent>

namespace varnex {

namespace {

// One notch of a wheel, in eighths of a degree, is one zoom step.
constexpr int kWheelNotch = 120;

} // namespace

// A zoomed size goes the font dialog's way from points to the stored pixel height, so a zoom
// that the dialog then confirms is stored as the same size.
bool CAnsiEditView::Zoom(ZoomStep step) {
    const std::optional<int> points = ZoomedSize(QFontInfo(Fonts().Base()).pointSize(), step);
    std::optional<std::uint32_t> height;
    if (points) {
        QFont zoomed(Fonts().Family());
        zoomed.setPointSize(*points);
        height = FontSpecOfChoice(zoomed).height;
    }
    const FontSpec before = Resources().ShownFont();
    Resources().SetZoomHeight(height);
    if (Resources().ShownFont() == before) return false;
    ApplyShownFont();
    return true;
}

void CAnsiEditView::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        wheelZoomAngle_ = 0;
        CAnsiView::wheelEvent(event);
        return;
    }
    event->accept();
    wheelZoomAngle_ += event->angleDelta().y();
    while (wheelZoomAngle_ >= kWheelNotch) {
        wheelZoomAngle_ -= kWheelNotch;
        Zoom(ZoomStep::Larger);
    }
    while (wheelZoomAngle_ <= -kWheelNotch) {
        wheelZoomAngle_ += kWheelNotch;
        Zoom(ZoomStep::Smaller);
    }
}

} // namespace varnex
