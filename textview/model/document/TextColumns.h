// Display columns of a line: a tab runs to the next tab stop, other characters take their cells.
// A character is what a reader sees as one (common/Graphemes): one byte in Windows-1252, a
// base character with the marks, joiners and selectors that extend it in UTF-8, two cells when
// wide, none for a byte-order mark. The one place that maps bytes to columns and back, for
// drawing, the caret and the mouse.
#pragma once

#include "common/Graphemes.h"

#include <cstdint>

namespace varnex {

inline constexpr std::uint8_t kTab = 9;
inline constexpr std::uint8_t kBlank = 32;

// Column after `cluster` when it starts at `column`.
inline int NextColumn(int column, const TextCluster& cluster, int tabWidth) {
    return cluster.first == kTab ? (column / tabWidth + 1) * tabWidth : column + cluster.cells;
}

// Index of the character after the one starting at `index` (index < length).
inline int NextCharIndex(const std::uint8_t* text, int length, int index, TextEncoding encoding) {
    return index + ClusterAt(text, length, index, encoding).bytes;
}

// Index of the character before `index` (0 < index <= length).
inline int PreviousCharIndex(const std::uint8_t* text, int length, int index,
                             TextEncoding encoding) {
    return ClusterStart(text, length, index - 1, encoding);
}

struct LineMeasure {
    int indent = 0; // column of the first character that is neither blank nor tab
    int width = 0;  // columns of the whole text
};

LineMeasure MeasureLine(const std::uint8_t* text, int length, int tabWidth, TextEncoding encoding);

// Index of the character whose columns hold `column` (the length when the text ends before
// it), together with the columns at which that character starts and after which it ends. A
// character without cells at `column` (a byte-order mark) lies before it.
struct ColumnHit {
    int index = 0;
    int startColumn = 0;
    int endColumn = 0; // startColumn when the text ends before `column`
};

ColumnHit FindColumn(const std::uint8_t* text, int length, int column, int tabWidth,
                     TextEncoding encoding);

// Number of bytes walked from the start, character by character, until the column reaches
// `column` or the text ends; a column inside a tab or a wide character gives the index after it.
// Characters without cells that follow are walked over too, as FindColumn does: a column
// stands after a byte-order mark, so typing keeps the mark first and Backspace never takes it
// along with the character after it.
int ColumnToIndex(const std::uint8_t* text, int length, int column, int tabWidth,
                  TextEncoding encoding);

// Display column at which the character holding byte `index` ends when `index` lies inside it,
// else where the byte starts; bytes past the length are not counted.
int IndexToColumn(const std::uint8_t* text, int length, int index, int tabWidth,
                  TextEncoding encoding);

} // namespace varnex
