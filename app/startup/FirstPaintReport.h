// Lets a start-up benchmark see when the main window is first on screen.
#pragma once

class QWidget;

namespace varnex {

// With VARNEX_PAINTED_FD naming an open descriptor, writes one line to it once the shown
// `window` has been exposed and painted for the first time, then closes it. Without the
// variable nothing happens.
void ReportFirstPaint(QWidget& window);

} // namespace varnex
