// Where the find and replace dialogs come up.
#include "textview/dialogs/DialogPositions.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <array>

namespace varnex {

namespace {

constexpr int kLeftOverhang = 99;
constexpr int kTopOverhang = 9;
constexpr int kReachableMargin = 100;
constexpr int kHitGap = 10;

std::optional<QPoint>& Slot(PositionedDialog dialog) {
    static std::array<std::optional<QPoint>, 2> positions;
    return positions[dialog == PositionedDialog::Find ? 0 : 1];
}

QRect ScreenOf(QWidget* parent) {
    QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect();
}

} // namespace

void RememberDialogPosition(PositionedDialog dialog, QPoint topLeft) {
    Slot(dialog) = topLeft;
}

std::optional<QPoint> RememberedDialogPosition(PositionedDialog dialog) {
    return Slot(dialog);
}

bool RememberedPositionFits(QPoint topLeft, const QRect& screen) {
    const QPoint offset = topLeft - screen.topLeft();
    return offset.x() >= -kLeftOverhang && offset.x() < screen.width() - kReachableMargin &&
           offset.y() >= -kTopOverhang && offset.y() < screen.height() - kReachableMargin;
}

void PlaceAtRememberedPosition(QWidget& dialog, PositionedDialog which, QWidget* parent) {
    const std::optional<QPoint> position = RememberedDialogPosition(which);
    if (position && RememberedPositionFits(*position, ScreenOf(parent))) dialog.move(*position);
}

std::optional<int> TopClearOfHit(const QRect& dialog, const QRect& hitRow, const QRect& screen) {
    if (!dialog.intersects(hitRow)) return std::nullopt;
    if (hitRow.center().y() < screen.center().y()) return hitRow.top() + hitRow.height() + kHitGap;
    return hitRow.top() - kHitGap - dialog.height();
}

} // namespace varnex
