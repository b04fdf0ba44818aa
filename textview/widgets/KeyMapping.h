// Qt's key events as the pane's keys and typed characters.
#pragma once

#include "common/TextEncoding.h"
#include "textview/model/editor/PaneEditor.h"
#include "textview/model/editor/PaneKeys.h"
#include "textview/model/settings/ZoomSteps.h"

#include <QKeyEvent>

#include <cstdint>
#include <optional>

namespace varnex {

// The key, its modifiers and its repeat count; PaneKey::Other for keys the pane leaves alone.
KeyPress KeyPressOf(const QKeyEvent& event);

// What the key types: a printable character as a Windows-1252 byte, or in a UTF-8 pane as its
// code point; or the code of Backspace, Tab or Enter; nothing for the movement and editing keys.
std::optional<char32_t> TypedCharacter(const QKeyEvent& event, TextEncoding encoding);

// Ctrl+Plus (also Ctrl+= and the keypad's plus), Ctrl+Minus and Ctrl+0 zoom the font.
std::optional<ZoomStep> ZoomStepOf(const QKeyEvent& event);

} // namespace varnex
