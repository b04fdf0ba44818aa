// The colours dialog's palette and the swatch size of its grids.
#include "textview/model/settings/ColourPalette.h"

#include <algorithm>

namespace varnex {

namespace {

constexpr int kShortGridRows = 9;
constexpr int kTallGridRows = 12;

} // namespace

std::optional<int> PaletteIndexOf(std::uint32_t colour) {
    const auto found = std::find(kPaletteColours.begin(), kPaletteColours.end(), colour);
    if (found == kPaletteColours.end()) return std::nullopt;
    return static_cast<int>(found - kPaletteColours.begin());
}

int SwatchSize(int clientHeight) {
    const int rows = clientHeight < kTallGridHeight ? kShortGridRows : kTallGridRows;
    return std::max(clientHeight / rows, kMinSwatchSize);
}

int RoundToSwatches(int length, int swatch) {
    return std::max((length + swatch / 2) / swatch, 1) * swatch;
}

SwatchGrid FitSwatchGrid(int width, int height) {
    SwatchGrid grid;
    grid.swatch = SwatchSize(height);
    grid.rows = RoundToSwatches(height, grid.swatch) / grid.swatch;
    const int neededColumns = (kPaletteSize + grid.rows - 1) / grid.rows;
    grid.columns = std::max(RoundToSwatches(width, grid.swatch) / grid.swatch, neededColumns);
    return grid;
}

} // namespace varnex
