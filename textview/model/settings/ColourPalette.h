// The 63 colours of the colours dialog's two grids and how a grid sizes its swatches.
#pragma once

#include "textview/model/settings/TextStyle.h"

#include <array>
#include <cstdint>
#include <optional>

namespace varnex {

inline constexpr int kPaletteSize = 63;

// 0x00BBGGRR. The window colour and eight dark hues, then six rows of a grey followed by eight
// hues of rising intensity; a grid nine swatches high shows each row as one column.
inline constexpr std::array<std::uint32_t, kPaletteSize> kPaletteColours = {
    kWindowColour, 0x400020, 0x400040, 0x000040, 0x002040, 0x004040, 0x004000, 0x404000, 0x400000,
    0x000000,      0x800040, 0x800080, 0x000080, 0x004080, 0x008080, 0x008000, 0x808000, 0x800000,
    0x343434,      0xC00060, 0xC000C0, 0x0000C0, 0x0060C0, 0x00C0C0, 0x00C000, 0xC0C000, 0xC00000,
    0x676767,      0xFF0080, 0xFF00FF, 0x0000FF, 0x0080FF, 0x00FFFF, 0x00FF00, 0xFFFF00, 0xFF0000,
    0x9A9A9A,      0xFF40A0, 0xFF40FF, 0x4040FF, 0x40A0FF, 0x40FFFF, 0x40FF40, 0xFFFF40, 0xFF4040,
    0xCDCDCD,      0xFF80C0, 0xFF80FF, 0x8080FF, 0x80C0FF, 0x80FFFF, 0x80FF80, 0xFFFF80, 0xFF8080,
    0xFFFFFF,      0xFFC0E0, 0xFFC0FF, 0xC0C0FF, 0xC0EFFF, 0xC0FFFF, 0xC0FFC0, 0xFFFFC0, 0xFFC0C0,
};

// Where `colour` stands in the palette; nothing for colours it lacks.
std::optional<int> PaletteIndexOf(std::uint32_t colour);

// Grids lower than this many pixels show nine rows of swatches, taller ones twelve.
inline constexpr int kTallGridHeight = 282;
inline constexpr int kMinSwatchSize = 11;

// The side of one square swatch in a grid whose client area is `clientHeight` pixels high.
int SwatchSize(int clientHeight);
// `length` rounded to the nearer whole number of swatches, never less than one swatch.
int RoundToSwatches(int length, int swatch);

// A grid's swatches, filled column by column from the top left.
struct SwatchGrid {
    int swatch = kMinSwatchSize;
    int columns = 1;
    int rows = 1;

    int ClientWidth() const { return columns * swatch; }
    int ClientHeight() const { return rows * swatch; }
};

// The grid for a client area of about `width` × `height` pixels: its size rounded to whole
// swatches, and widened when the palette would not fit, since a grid never scrolls.
SwatchGrid FitSwatchGrid(int width, int height);

} // namespace varnex
