// The status bar's "NUM" pane: shows the text while Num Lock is on, keeps its room while off.
#pragma once

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

} // namespace varnex
