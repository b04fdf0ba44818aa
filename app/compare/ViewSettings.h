// The compare view's values in the program's settings key: ViewMode, BarMode and Flags.
#pragma once

#include <cstdint>

namespace varnex {

// Written as "Flags" when the key has none; this program never reads it back.
inline constexpr std::uint32_t kDefaultViewFlags = 7241;

// The stored view mode: 1 when "ViewMode" is 1, else 0 (side by side).
int ReadViewMode();
// Writes kDefaultViewFlags as "Flags" when the key has no "Flags" value.
void WriteFlagsIfAbsent();
void WriteViewModes(int viewMode, int barMode);

} // namespace varnex
