// The colours dialog's palette and the sizing of its swatch grids.
#include "textview/model/settings/ColourPalette.h"

#include <gtest/gtest.h>

namespace varnex {
namespace {

TEST(ColourPalette, StartsWithTheWindowColourAndRunsGreyThenHuesPerColumn) {
    ASSERT_EQ(kPaletteColours.size(), 63u);
    EXPECT_EQ(kPaletteColours[0], kWindowColour);
    EXPECT_EQ(kPaletteColours[1], 0x400020u);
    EXPECT_EQ(kPaletteColours[8], 0x400000u);
    // Each further column of nine opens with its grey: black up to white.
    const std::uint32_t greys[] = {0x000000, 0x343434, 0x676767, 0x9A9A9A, 0xCDCDCD, 0xFFFFFF};
    for (int column = 0; column < 6; ++column)
        EXPECT_EQ(kPaletteColours[static_cast<std::size_t>(9 + 9 * column)], greys[column])
            << "column " << column + 1;
    EXPECT_EQ(kPaletteColours[30], 0x0000FFu);
    EXPECT_EQ(kPaletteColours[58], 0xC0EFFFu);
    EXPECT_EQ(kPaletteColours[62], 0xFFC0C0u);
}

TEST(ColourPalette, EveryEntryIsFoundAtItsOwnPlaceAndOthersNowhere) {
    for (int index = 0; index < kPaletteSize; ++index)
        EXPECT_EQ(PaletteIndexOf(kPaletteColours[static_cast<std::size_t>(index)]), index);
    EXPECT_FALSE(PaletteIndexOf(0x123456).has_value());
    EXPECT_FALSE(PaletteIndexOf(0xC0C0C0).has_value());
}

TEST(SwatchSize, NinthOfTheHeightBelow282PixelsTwelfthFromThereAtLeast11) {
    EXPECT_EQ(SwatchSize(200), 22);
    EXPECT_EQ(SwatchSize(281), 31);
    EXPECT_EQ(SwatchSize(282), 23);
    EXPECT_EQ(SwatchSize(300), 25);
    EXPECT_EQ(SwatchSize(99), 11);
    EXPECT_EQ(SwatchSize(40), 11);
    EXPECT_EQ(SwatchSize(0), 11);
}

TEST(SwatchSize, LengthsRoundToTheNearerWholeSwatchButNeverToNone) {
    EXPECT_EQ(RoundToSwatches(110, 22), 110);
    EXPECT_EQ(RoundToSwatches(120, 22), 110);
    EXPECT_EQ(RoundToSwatches(121, 22), 132);
    EXPECT_EQ(RoundToSwatches(5, 22), 22);
    EXPECT_EQ(RoundToSwatches(0, 11), 11);
}

TEST(SwatchGrid, FitsTheClientAreaToWholeSwatchesFilledColumnByColumn) {
    const SwatchGrid nine = FitSwatchGrid(190, 200);
    EXPECT_EQ(nine.swatch, 22);
    EXPECT_EQ(nine.rows, 9);
    EXPECT_EQ(nine.columns, 9);
    EXPECT_EQ(nine.ClientWidth(), 198);
    EXPECT_EQ(nine.ClientHeight(), 198);

    const SwatchGrid twelve = FitSwatchGrid(160, 300);
    EXPECT_EQ(twelve.swatch, 25);
    EXPECT_EQ(twelve.rows, 12);
    EXPECT_EQ(twelve.ClientHeight(), 300);
    EXPECT_EQ(twelve.columns, 6);
}

TEST(SwatchGrid, GrowsAsWideAsThePaletteNeedsSinceItNeverScrolls) {
    const SwatchGrid narrow = FitSwatchGrid(30, 200);
    EXPECT_EQ(narrow.rows, 9);
    EXPECT_EQ(narrow.columns, 7);
    // Tiny grids keep 11-pixel swatches: two rows of them need 32 columns.
    const SwatchGrid flat = FitSwatchGrid(50, 24);
    EXPECT_EQ(flat.swatch, 11);
    EXPECT_EQ(flat.rows, 2);
    EXPECT_EQ(flat.columns, 32);
    EXPECT_GE(flat.rows * flat.columns, kPaletteSize);
}

} // namespace
} // namespace varnex
