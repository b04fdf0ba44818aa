// The Clear key's repeat paste: the clipboard goes in again one line lower, a number counted up.
#pragma once

#include <optional>
#include <string>

namespace varnex {

class PaneEditor;

// The clipboard text plus one, when it has 1 to 15 characters and starts with a digit: "0x"
// or "0X" followed by digits counts in hexadecimal and keeps its number of digits, anything
// else in decimal, padded with zeros to the text's length.
std::optional<std::string> IncrementedNumber(const std::string& text);

// Pastes the clipboard and selects the same columns one line lower; with `increment` (Ctrl and
// Shift with a selection on one line) the clipboard then holds the next number.
void RepeatPaste(PaneEditor& editor, bool increment);

} // namespace varnex
