// The engine's fixed limits; hitting one stops the work, it never fails it.
#pragma once

namespace varnex {

// Line and row numbers are kept in 16 bits with room for marks, hence 65520 rather than 65535.
inline constexpr int kMaxLines = 65520;
inline constexpr int kMaxRows = 65520;
// Character-wise comparison is quadratic; changed blocks larger than this are shown line by line.
inline constexpr int kMaxBlockBytes = 4096;
// Lines handed to the scanning pane are cut so that one byte of its 2048-byte line buffer stays
// free.
inline constexpr int kScanLineCap = 2047;
// The scanning pane keeps syntax state for at most this many lines.
inline constexpr int kScanPaneMaxLines = 50000;

} // namespace varnex
