// The status bar's "NUM" pane: shows the text while Num Lock is on, keeps its room while off.
#pragma once

#include <QKeyEvent>
#include <QLabel>

#include <optional>

namespace varnex {

class NumLockIndicator : public QLabel {
    Q_OBJECT

public:
    explicit NumLockIndicator(QWidget* parent = nullptr);

    bool NumLockOn() const { return on_; }
    void SetNumLockOn(bool on);

protected:
    // Watches the application's key events, which carry the lock state with them.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool on_ = false;
};

// The lock state as the keyboard's LEDs show it, when the system exposes them.
std::optional<bool> NumLockFromKeyboardLeds();

// The Num Lock state after a key event, as far as the event tells it. A key event reports the
// modifier state from before it, so the Num Lock key's own press says the opposite of what it
// reports, and its release (which may still report the old state) says nothing.
std::optional<bool> NumLockAfterKeyEvent(const QKeyEvent& event);

} // namespace varnex
