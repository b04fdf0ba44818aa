// Where the find and replace dialogs come up: at their last position while the program runs,
// and never on top of the hit they have just shown.
#pragma once

#include <QPoint>
#include <QRect>

#include <optional>

class QWidget;

namespace varnex {

enum class PositionedDialog { Find, Replace };

// The position is kept for this run only, never stored.
void RememberDialogPosition(PositionedDialog dialog, QPoint topLeft);
std::optional<QPoint> RememberedDialogPosition(PositionedDialog dialog);

// A remembered position is used only while the dialog stays within reach on `screen`: its left
// edge no more than 99 pixels left of the screen and at least 100 inside its right edge, its
// top no more than 9 pixels above and at least 100 above the bottom edge.
bool RememberedPositionFits(QPoint topLeft, const QRect& screen);

// Moves `dialog` to its remembered position when that fits the screen of `parent` (the primary
// screen without one).
void PlaceAtRememberedPosition(QWidget& dialog, PositionedDialog which, QWidget* parent);

// The top edge that takes a dialog covering `hitRow` out of its way: 10 pixels below the row
// when the row lies in the screen's upper half, else 10 pixels above it. Nothing when the
// dialog does not cover the row.
std::optional<int> TopClearOfHit(const QRect& dialog, const QRect& hitRow, const QRect& screen);

} // namespace varnex
