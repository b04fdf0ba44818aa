// Display columns of a line: a tab runs to the next tab stop, other characters take their cells
// (two for East Asian wide ones). A character is one byte in Windows-1252 and one UTF-8 sequence
// in UTF-8. The one place that maps bytes to columns and back, for drawing, the caret and the
// mouse.
#pragma once

#include "common/TextEncoding.h"

#include <cstdint>

namespace varnex {

inline constexpr std::uint8_t kTab = 9;
inline constexpr std::uint8_t kBlank = 32;

// Column after the character `code` when it starts at `column`.
inline int NextColumn(int column, char32_t code, int tabWidth) {
    return code == kTab ? (column / tabWidth + 1) * tabWidth : column + CharCells(code);
}

// Index of the character after the one starting at `index` (index < length).
inline int NextCharIndex(const std::uint8_t* text, int length, int index, TextEncoding encoding) {
    return index + CharAt(text, length, index, encoding).bytes;
}

// Index of the character before `index` (0 < index <= length).
inline int PreviousCharIndex(const std::uint8_t* text, int length, int index,
                             TextEncoding encoding) {
    return CharStart(text, length, index - 1, encoding);
}

struct LineMeasure {
    int indent = 0; // column of the first character that is neither blank nor tab
    int width = 0;  // columns of the whole text
};

LineMeasure MeasureLine(const std::uint8_t* text, int length, int tabWidth, TextEncoding encoding);

// Index of the character whose columns hold `column` (the length when the text ends before
// it), together with the column at which that character starts.
struct ColumnHit {
    int index = 0;
    int startColumn = 0;
};

ColumnHit FindColumn(const std::uint8_t* text, int length, int column, int tabWidth,
                     TextEncoding encoding);

// Number of bytes walked from the start, character by character, until the column reaches
// `column` or the text ends; a column inside a tab or a wide character gives the index after it.
int ColumnToIndex(const std::uint8_t* text, int length, int column, int tabWidth,
                  TextEncoding encoding);

// Display column at which the character holding byte `index` ends when `index` lies inside it,
// else where the byte starts; bytes past the length are not counted.
int IndexToColumn(const std::uint8_t* text, int length, int index, int tabWidth,
                  TextEncoding encoding);

} // namespace varnex
