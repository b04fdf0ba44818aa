// Where the main window opens: within the screen area there is now, whatever size it asks for.
#pragma once

#include "app/frame/FrameSettings.h"

#include <QRect>
#include <QSize>

namespace varnex {

// Room the window manager's frame takes around the window's client area (title bar, borders).
inline constexpr QSize kFrameAllowance{16, 40};

// `wanted` (the client area) shrunk to fit `available` with room for the frame, and moved
// inside it when it reaches out; a rect that fits is returned as it is.
QRect FitToScreen(const QRect& wanted, const QRect& available,
                  QSize frameAllowance = kFrameAllowance);

// A new window of `size`, fitted and centred in `available`.
QRect CentredOnScreen(QSize size, const QRect& available, QSize frameAllowance = kFrameAllowance);

// Where a window opens at start: where it was last (its normal rectangle, fitted to the screen
// there is now), or a new window of `firstSize` when nothing was stored.
QRect PlacementAtStart(const std::optional<StoredPlacement>& stored, QSize firstSize,
                       const QRect& available, QSize frameAllowance = kFrameAllowance);

} // namespace varnex
