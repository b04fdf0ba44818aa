// Display columns of 8-bit text: a tab runs to the next tab stop, other bytes take one column.
#include "textview/model/TextColumns.h"

namespace varnex {

LineMeasure MeasureLine(const std::uint8_t* text, int length, int tabWidth) {
    LineMeasure measure;
    bool inIndent = true;
    for (int i = 0; i < length; ++i) {
        if (inIndent && text[i] != kTab && text[i] != kBlank) {
            measure.indent = measure.width;
            inIndent = false;
        }
        measure.width = NextColumn(measure.width, text[i], tabWidth);
    }
    if (inIndent) measure.indent = measure.width;
    return measure;
}

ColumnHit FindColumn(const std::uint8_t* text, int length, int column, int tabWidth) {
    ColumnHit hit;
    while (hit.index < length) {
        const int next = NextColumn(hit.startColumn, text[hit.index], tabWidth);
        if (next > column) break;
        hit.startColumn = next;
        ++hit.index;
    }
    return hit;
}

int ColumnToIndex(const std::uint8_t* text, int length, int column, int tabWidth) {
    int index = 0;
    int reached = 0;
    while (index < length && reached < column)
        reached = NextColumn(reached, text[index++], tabWidth);
    return index;
}

int IndexToColumn(const std::uint8_t* text, int length, int index, int tabWidth) {
    int column = 0;
    for (int i = 0; i < index && i < length; ++i)
        column = NextColumn(column, text[i], tabWidth);
    return column;
}

} // namespace varnex
