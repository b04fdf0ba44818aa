// Hands one side of the aligned rows to a pane, row by row, with per-byte style ids.
#include "engine/fill/PaneFiller.h"

#include "engine/layout/LineText.h"

namespace varnex {

namespace {

// What a pane shows for a placeholder or an empty line, so that the row's colour is visible.
constexpr std::uint8_t kBlank = ' ';

void SetBlankRow(RowSink& sink, int row, int styleId, RowKind kind) {
    const std::uint8_t id = static_cast<std::uint8_t>(styleId);
    sink.SetLine(row, &kBlank, 1);
    sink.SetLineStyles(row, &id, 1, kind, 1);
}

} // namespace

void FillSink(RowSink& sink, Side side, const SourceText& text, const AlignedRows& rows,
              const DifferenceStyles& styles) {
    for (int row = 0; row < rows.Count(); ++row) {
        const RowKind kind = rows.Kind(row);
        const int lineNumber = rows.Line(side, row);
        if (lineNumber == 0) {
            SetBlankRow(sink, row, styles.PlaceholderId(), kind);
            continue;
        }
        const std::uint32_t start = text.LineStart(lineNumber - 1);
        const int length = static_cast<int>(ContentEnd(text, lineNumber - 1) - start);
        if (length == 0) {
            SetBlankRow(sink, row, styles.KindOffset(kind), kind);
            continue;
        }
        sink.SetLine(row, &text.text[start], length);
        sink.SetLineStyles(row, &text.cells[start].style, length, kind, sizeof(CharCell));
    }
}

} // namespace varnex
