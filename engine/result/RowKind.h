// Kinds of aligned rows and bytes, and the compare modes.
#pragma once

#include <cstdint>

namespace varnex {

enum class RowKind : std::uint8_t { Equal = 0, Changed = 1, Inserted = 2, Removed = 3 };

// Marks the entry after the last aligned row.
inline constexpr std::uint8_t kRowsEndMark = 0xFF;

enum class CompareMode : int { LineWise = 0, CharWise = 1, CharWiseNoBlanks = 2 };

} // namespace varnex
