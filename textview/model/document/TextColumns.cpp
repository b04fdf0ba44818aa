// Display columns of a line: a tab runs to the next tab stop, other characters take their cells.
#include "textview/model/document/TextColumns.h"

namespace varnex {

namespace {

// The character at `index` and where the next one starts.
struct Step {
    int nextIndex = 0;
    int nextColumn = 0;
};

Step StepAt(const std::uint8_t* text, int length, int index, int column, int tabWidth,
            TextEncoding encoding) {
    const TextCluster cluster = ClusterAt(text, length, index, encoding);
    return {index + cluster.bytes, NextColumn(column, cluster, tabWidth)};
}

} // namespace

LineMeasure MeasureLine(const std::uint8_t* text, int length, int tabWidth, TextEncoding encoding) {
    LineMeasure measure;
    bool inIndent = true;
    for (int i = 0; i < length;) {
        if (inIndent && text[i] != kTab && text[i] != kBlank) {
            measure.indent = measure.width;
            inIndent = false;
        }
        const Step step = StepAt(text, length, i, measure.width, tabWidth, encoding);
        measure.width = step.nextColumn;
        i = step.nextIndex;
    }
    if (inIndent) measure.indent = measure.width;
    return measure;
}

ColumnHit FindColumn(const std::uint8_t* text, int length, int column, int tabWidth,
                     TextEncoding encoding) {
    ColumnHit hit;
    while (hit.index < length) {
        const Step step = StepAt(text, length, hit.index, hit.startColumn, tabWidth, encoding);
        if (step.nextColumn > column) return {hit.index, hit.startColumn, step.nextColumn};
        hit.index = step.nextIndex;
        hit.startColumn = step.nextColumn;
    }
    hit.endColumn = hit.startColumn;
    return hit;
}

int ColumnToIndex(const std::uint8_t* text, int length, int column, int tabWidth,
                  TextEncoding encoding) {
    int index = 0;
    int reached = 0;
    while (index < length) {
        const Step step = StepAt(text, length, index, reached, tabWidth, encoding);
        if (reached >= column && step.nextColumn > reached) break;
        index = step.nextIndex;
        reached = step.nextColumn;
    }
    return index;
}

int IndexToColumn(const std::uint8_t* text, int length, int index, int tabWidth,
                  TextEncoding encoding) {
    int column = 0;
    for (int i = 0; i < index && i < length;) {
        const Step step = StepAt(text, length, i, column, tabWidth, encoding);
        column = step.nextColumn;
        i = step.nextIndex;
    }
    return column;
}

} // namespace varnex
