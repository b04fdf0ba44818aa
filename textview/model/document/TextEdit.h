// Inserting, deleting and reading text across lines: what paste, cut and drops are made of.
#pragma once

#include "textview/model/document/TextPosition.h"

#include <optional>
#include <string>
#include <string_view>

namespace varnex {

class PaneModel;

// The bytes from `from` to `to` (in text order), lines joined by "\n"; columns past a line's
// end give nothing.
std::string TextBetween(const PaneModel& document, TextPosition from, TextPosition to);

// Inserts `bytes` ("\n" between lines) at `at`; a position past a line's end is first reached
// with tabs and blanks. Returns the position after the inserted text, or nothing when the
// pane's line length or line count would be exceeded (nothing is changed then).
std::optional<TextPosition> InsertTextAt(PaneModel& document, TextPosition at,
                                         std::string_view bytes);

// Removes the text from `from` to `to` (in text order), joining their lines; a start past its
// line's end keeps its column by tabs and blanks. False, with nothing changed, when the
// joined line would be too long.
bool DeleteTextRange(PaneModel& document, TextPosition from, TextPosition to);

} // namespace varnex
