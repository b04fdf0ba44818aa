// Where the hand-over open-files dialog was last closed: OpenDialogX and OpenDialogY.
#pragma once

#include <QPoint>
#include <QSize>

namespace varnex {

// The stored position; a missing coordinate is taken from `fallback`.
QPoint ReadOpenDialogPosition(QPoint fallback);
void WriteOpenDialogPosition(QPoint position);

// A position is used only while it lies more than 8 pixels inside the screen's right and
// bottom edges, so that a dialog never comes up out of reach.
bool OpenDialogPositionFits(QPoint position, QSize screen);

} // namespace varnex
