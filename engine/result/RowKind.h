// Kinds of aligned rows and bytes.
#pragma once

#include "engine/CompareMode.h"

#include <cstdint>

namespace varnex {

enum class RowKind : std::uint8_t { Equal = 0, Changed = 1, Inserted = 2, Removed = 3 };

// Marks the entry after the last aligned row.
inline constexpr std::uint8_t kRowsEndMark = 0xFF;

} // namespace varnex
