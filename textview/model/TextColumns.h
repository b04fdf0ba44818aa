// Display columns of 8-bit text: a tab runs to the next tab stop, other bytes take one column.
// The one place that maps bytes to columns and back, for drawing, the caret and the mouse.
#pragma once

#include <cstdint>

namespace varnex {

inline constexpr std::uint8_t kTab = 9;
inline constexpr std::uint8_t kBlank = 32;

// Column after `byte` when it starts at `column`.
inline int NextColumn(int column, std::uint8_t byte, int tabWidth) {
    return byte == kTab ? (column / tabWidth + 1) * tabWidth : column + 1;
}

struct LineMeasure {
    int indent = 0; // column of the first byte that is neither blank nor tab
    int width = 0;  // columns of the whole text
};

LineMeasure MeasureLine(const std::uint8_t* text, int length, int tabWidth);

// Index of the byte whose columns hold `column` (the length when the text ends before it),
// together with the column at which that byte starts.
struct ColumnHit {
    int index = 0;
    int startColumn = 0;
};

ColumnHit FindColumn(const std::uint8_t* text, int length, int column, int tabWidth);

// Number of bytes walked from the start until the column reaches `column` or the text ends;
// a column inside a tab's expansion gives the index after the tab.
int ColumnToIndex(const std::uint8_t* text, int length, int column, int tabWidth);

// Display column at which the byte at `index` starts; bytes past the length are not counted.
int IndexToColumn(const std::uint8_t* text, int length, int index, int tabWidth);

} // namespace varnex
