// Zooming the panes' font: the next fixed-pitch size up or down, or back to the stored font.
#pragma once

#include <optional>

namespace varnex {

enum class ZoomStep { Larger, Smaller, Reset };

// The size in points after `step` from `points`: the next of the usual font sizes within
// FontSpec::kMinSize..kMaxSize, or the limit itself when there is none further. Reset gives
// nothing: the stored font's size is shown again.
std::optional<int> ZoomedSize(int points, ZoomStep step);

} // namespace varnex
