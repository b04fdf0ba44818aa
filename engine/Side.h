// The two sides of a comparison: the first file (left or upper pane) and the second one.
#pragma once

#include <array>
#include <cstddef>

namespace varnex {

// Left is the first file, shown in the left or the upper pane; Right is the second file.
enum class Side { Left, Right };

inline constexpr std::array<Side, 2> kBothSides{Side::Left, Side::Right};

// Position of the side in arrays kept per side.
constexpr std::size_t IndexOf(Side side) {
    return side == Side::Left ? 0 : 1;
}

constexpr Side OtherSide(Side side) {
    return side == Side::Left ? Side::Right : Side::Left;
}

} // namespace varnex
