// What the keys do in a pane: the editing-key table first, then the movement keys.
#pragma once

#include <cstdint>

namespace varnex {

class PaneEditor;

// The keys a pane tells apart.
enum class PaneKey {
    Other,
    Character, // a digit or letter: `code` 0x30..0x5A
    MacroKey,  // one of the eleven further macro keys: `code` 0x5B..0x65
    Tab,
    Insert,
    Delete,
    Home,
    End,
    Left,
    Right,
    Up,
    Down,
    PageUp,
    PageDown,
    Clear, // keypad 5 without Num Lock
};

struct KeyPress {
    PaneKey key = PaneKey::Other;
    int code = 0;
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
    int repeat = 1; // key repeats this message stands for
};

// The movement keys run at most this many times for one message, however long a key was held.
inline constexpr int kMaxKeyRepeat = 30;

class PaneKeys {
public:
    // Key down: OnEditKey, then the default key handling when that did not take the key.
    void PressKey(PaneEditor& editor, const KeyPress& press);
    // The editing-key table; true when it took the key.
    bool OnEditKey(PaneEditor& editor, const KeyPress& press);
    // A typed character (or the code of Backspace, Tab or Enter).
    // `character`: a byte in a Windows-1252 pane, a code point in a UTF-8 pane (see EditChar).
    void TypeCharacter(PaneEditor& editor, char32_t character, bool shift);

private:
    bool CtrlCharacter(PaneEditor& editor, const KeyPress& press);
    bool SelectionKey(PaneEditor& editor, const KeyPress& press);
    void DefaultKey(PaneEditor& editor, const KeyPress& press);

    // Set while Ctrl is held with a digit or letter: the character it makes is not typed.
    bool ctrlShortcut_ = false;
};

} // namespace varnex
