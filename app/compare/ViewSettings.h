// The compare view's values in the program's settings key: ViewMode, BarMode, Encoding, Flags.
#pragma once

#include "common/TextEncoding.h"

#include <cstdint>

namespace varnex {

// How the two panes stand; stored as "ViewMode".
enum class ViewMode : int { SideBySide = 0, Stacked = 1 };
// What the overview bar shows; stored as "BarMode".
enum class BarMode : int {
    Window = 0,  // one pixel per row, from the rows around the panes' top row on
    Summary = 1, // the whole comparison squeezed into the bar's height
};

// Written as "Flags" when the key has none, as the program has always done (0x1C49, the bits of
// an editor option word); this program never reads it back.
inline constexpr std::uint32_t kDefaultViewFlags = 7241;

// The stored view mode: Stacked when "ViewMode" is 1, else SideBySide.
ViewMode ReadViewMode();
// Writes kDefaultViewFlags as "Flags" when the key has no "Flags" value.
void WriteFlagsIfAbsent();
void WriteViewModes(ViewMode viewMode, BarMode barMode);

// How the panes show the files' bytes; stored as "Encoding": 0 automatic, 1 Windows-1252,
// 2 UTF-8. Anything else reads as automatic.
EncodingChoice ReadEncodingChoice();
void WriteEncodingChoice(EncodingChoice choice);

} // namespace varnex
