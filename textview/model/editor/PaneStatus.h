// The status text of a pane's caret, and the key that says whether it changed.
#pragma once

#include "textview/model/editor/Caret.h"

#include <cstdint>
#include <functional>
#include <string>

namespace varnex {

// What the status shows: the caret and what it has selected.
struct StatusQuery {
    TextPosition caret;
    TextPosition anchor;
    SelectionState selection = SelectionState::None;
};

// A host's own status text: fills `text` and returns a change key; nothing is published
// while the key equals `previousKey` (0 after the pane gained the focus).
using StatusHook = std::function<std::uint64_t(const StatusQuery& query, std::uint64_t previousKey,
                                               std::string& text)>;

// " Zeile: l  Spalte: c", with " (X:n)" columns or " (Y:n)" lines selected.
std::string DefaultStatusText(const StatusQuery& query);
// The key of the default text: caret line, caret column and the pane's two mode bits.
std::uint64_t DefaultStatusKey(const StatusQuery& query, int modeBits);

} // namespace varnex
