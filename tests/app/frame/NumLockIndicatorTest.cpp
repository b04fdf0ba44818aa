// The status bar's Num Lock pane follows the lock as key events report it.
#include "app/frame/NumLockIndicator.h"

#include <gtest/gtest.h>

#include <optional>

namespace varnex {
namespace {

constexpr quint32 kNumLockBit = 0x10;
constexpr quint32 kScanCode = 77;

struct KeyCase {
    const char* what;
    QEvent::Type type;
    int key;
    quint32 nativeModifiers;
    std::optional<bool> after;
};

TEST(NumLockIndicator, TheStateAfterAKeyEventComesFromWhatTheEventReports) {
    const KeyCase cases[] = {
        {"a letter with the lock on", QEvent::KeyPress, Qt::Key_A, kNumLockBit, true},
        {"a letter with the lock off", QEvent::KeyRelease, Qt::Key_A, 0, false},
        {"Num Lock pressed while on switches it off", QEvent::KeyPress, Qt::Key_NumLock,
         kNumLockBit, false},
        {"Num Lock pressed while off switches it on", QEvent::KeyPress, Qt::Key_NumLock, 0, true},
        {"its release still reports the old state", QEvent::KeyRelease, Qt::Key_NumLock,
         kNumLockBit, std::nullopt},
    };
    for (const KeyCase& c : cases) {
        const QKeyEvent event(c.type, c.key, Qt::NoModifier, kScanCode, 0, c.nativeModifiers);
        EXPECT_EQ(NumLockAfterKeyEvent(event), c.after) << c.what;
    }
    const QKeyEvent synthetic(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
    EXPECT_EQ(NumLockAfterKeyEvent(synthetic), std::nullopt) << "no native state, no news";
}

} // namespace
} // namespace varnex
