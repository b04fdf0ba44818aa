// What a screen reader hears of a row and of the difference block a jump reached.
#include "app/compare/RowDescription.h"

#include <gtest/gtest.h>

#include <string>

namespace varnex {
namespace {

// Rows (left | right): 0 equal 1|1; 1 changed 2|2; 2 inserted -|3; 3 equal 3|4; 4 removed 4|-;
// 5 removed 5|-; 6 equal 6|5. A changed run right before an inserted one is one block, as the
// navigation reaches it.
AlignedRows MixedRows() {
    const int left[] = {1, 2, 0, 3, 4, 5, 6};
    const int right[] = {1, 2, 3, 4, 0, 0, 5};
    using enum RowKind;
    const RowKind kinds[] = {Equal, Changed, Inserted, Equal, Removed, Removed, Equal};
    AlignedRows rows;
    rows.SetCount(7);
    for (int row = 0; row < 7; ++row) {
        rows.SetLine(Side::Left, row, left[row]);
        rows.SetLine(Side::Right, row, right[row]);
        rows.SetKind(row, kinds[row]);
    }
    return rows;
}

TEST(RowDescription, KindAndFileLineOfARow) {
    struct Case {
        Side side;
        int row;
        const char* heard;
    };
    const Case cases[] = {
        {Side::Right, 1, "geändert, Zeile 2"},
        {Side::Right, 2, "eingefügt, Zeile 3"},
        {Side::Left, 2, "Platzhalter"},
        {Side::Left, 5, "entfernt, Zeile 5"},
        {Side::Right, 6, "gleich, Zeile 5"},
        {Side::Left, 7, ""},
        {Side::Left, -1, ""},
    };
    const AlignedRows rows = MixedRows();
    for (const Case& c : cases)
        EXPECT_EQ(DescribeRow(rows, c.side, c.row), c.heard) << c.row;
}

TEST(RowDescription, PlaceAndLinesOfADifferenceBlock) {
    struct Case {
        Side side;
        int start;
        int end;
        const char* heard;
    };
    const Case cases[] = {
        {Side::Right, 1, 3, "Unterschied 1 von 2, Zeilen 2–3"},
        {Side::Left, 1, 3, "Unterschied 1 von 2, Zeile 2"},
        {Side::Left, 4, 6, "Unterschied 2 von 2, Zeilen 4–5"},
        // Only placeholders on the pane's side: the lines of the other file.
        {Side::Right, 4, 6, "Unterschied 2 von 2, Zeilen 4–5"},
        {Side::Left, 0, 1, ""}, // no block starts on an equal row
        {Side::Left, 7, 7, ""}, // past the rows
    };
    const AlignedRows rows = MixedRows();
    for (const Case& c : cases)
        EXPECT_EQ(DescribeBlock(rows, c.side, c.start, c.end), c.heard) << c.start;
}

} // namespace
} // namespace varnex
