// Qt's key events as the pane's keys and typed characters.
#pragma once

#include "textview/model/PaneEditor.h"
#include "textview/model/PaneKeys.h"

#include <QKeyEvent>

#include <cstdint>
#include <optional>

namespace varnex {

// The key, its modifiers and its repeat count; PaneKey::Other for keys the pane leaves alone.
KeyPress KeyPressOf(const QKeyEvent& event);

// The byte the key types: a printable character as Windows-1252 has it, or the code of
// Backspace, Tab or Enter; nothing for the movement and editing keys.
std::optional<std::uint8_t> TypedCharacter(const QKeyEvent& event);

} // namespace varnex
