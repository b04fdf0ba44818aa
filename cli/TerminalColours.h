// ANSI escapes for the difference colours of the panes, as 24-bit backgrounds.
#pragma once

#include "engine/result/RowKind.h"

#include <string>

namespace varnex {

// Background (with black text, readable on dark terminals too) for bytes of `kind`;
// empty for Equal bytes, which keep the terminal's own colours.
const std::string& KindColour(RowKind kind);
// A byte that is not valid UTF-8 in a UTF-8 text: the kind's colour, reversed.
const std::string& InvalidByteColour(RowKind kind);
const std::string& PlaceholderColour();
const std::string& TitleColour();
const std::string& ResetColour();

} // namespace varnex
