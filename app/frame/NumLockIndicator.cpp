// The status bar's "NUM" pane: shows the text while Num Lock is on, keeps its room while off.
#include "app/frame/NumLockIndicator.h"

#include "app/ui/UiText.h"
#include "res/StringId.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

namespace varnex {

namespace {

// X11 and Wayland (xkb) report Num Lock as the Mod2 bit of a key event's modifier state.
constexpr quint32 kXkbNumLockMask = 0x10;
constexpr int kPanePadding = 12;

bool PlatformReportsXkbState() {
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"));
}

} // namespace

std::optional<bool> NumLockFromKeyboardLeds() {
    const QDir leds(QStringLiteral("/sys/class/leds"));
    const QStringList names = leds.entryList({QStringLiteral("*numlock*")}, QDir::Dirs);
    std::optional<bool> on;
    for (const QString& name : names) {
        QFile brightness(leds.filePath(name + QStringLiteral("/brightness")));
        if (!brightness.open(QIODevice::ReadOnly)) continue;
        on = on.value_or(false) || brightness.readAll().trimmed().toInt() > 0;
    }
    return on;
}

NumLockIndicator::NumLockIndicator(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignCenter);
    setMinimumWidth(fontMetrics().horizontalAdvance(UiText(kStrNumLock)) + kPanePadding);
    SetNumLockOn(NumLockFromKeyboardLeds().value_or(false));
    if (PlatformReportsXkbState()) qApp->installEventFilter(this);
}

void NumLockIndicator::SetNumLockOn(bool on) {
    on_ = on;
    setText(on ? UiText(kStrNumLock) : QString());
}

std::optional<bool> NumLockAfterKeyEvent(const QKeyEvent& event) {
    if (event.nativeModifiers() == 0 && event.nativeScanCode() == 0) return std::nullopt;
    const bool reportedOn = (event.nativeModifiers() & kXkbNumLockMask) != 0;
    if (event.key() != Qt::Key_NumLock) return reportedOn;
    if (event.type() == QEvent::KeyPress) return !reportedOn;
    return std::nullopt;
}

bool NumLockIndicator::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        if (const std::optional<bool> on = NumLockAfterKeyEvent(*static_cast<QKeyEvent*>(event)))
            SetNumLockOn(*on);
    }
    return QLabel::eventFilter(watched, event);
}

} // namespace varnex
