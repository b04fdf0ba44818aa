// Zooming the panes' font: the next fixed-pitch size up or down, or back to the stored font.
#include "textview/model/settings/ZoomSteps.h"

#include "textview/model/settings/FontSpec.h"

#include <algorithm>
#include <array>

namespace varnex {

namespace {

// The sizes a font dialog usually lists, from the smallest to the largest the panes take;
// steps between them grow with the size, so each looks like a similar change.
constexpr std::array kSizes = {6, 7, 8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 28, 32, 36, 40, 48};
static_assert(kSizes.front() == FontSpec::kMinSize && kSizes.back() == FontSpec::kMaxSize);

} // namespace

std::optional<int> ZoomedSize(int points, ZoomStep step) {
    switch (step) {
    case ZoomStep::Larger: {
        const auto next = std::upper_bound(kSizes.begin(), kSizes.end(), points);
        return next == kSizes.end() ? kSizes.back() : *next;
    }
    case ZoomStep::Smaller: {
        const auto next = std::lower_bound(kSizes.begin(), kSizes.end(), points);
        return next == kSizes.begin() ? kSizes.front() : *std::prev(next);
    }
    case ZoomStep::Reset:
        break;
    }
    return std::nullopt;
}

} // namespace varnex
