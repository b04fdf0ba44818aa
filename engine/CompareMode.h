// The three compare modes; their numbers are the ones stored in the settings and passed on.
#pragma once

#include <optional>

namespace varnex {

enum class CompareMode : int { LineWise = 0, CharWise = 1, CharWiseNoBlanks = 2 };

// The mode a stored or handed-over number stands for; nothing for numbers outside 0..2.
constexpr std::optional<CompareMode> CompareModeFromNumber(int number) {
    if (number < 0 || number > static_cast<int>(CompareMode::CharWiseNoBlanks)) return std::nullopt;
    return static_cast<CompareMode>(number);
}

constexpr int NumberOf(CompareMode mode) {
    return static_cast<int>(mode);
}

} // namespace varnex
