// Switching a pane's display encoding: caret and anchor keep the bytes they stand at.
#include "textview/model/editor/PaneEditor.h"

#include "textview/model/document/PaneModel.h"
#include "textview/model/document/TextColumns.h"
#include "textview/model/settings/TabWidth.h"

namespace varnex {

namespace {

// A position in bytes: the byte it stands before, and the columns it lies past its line's end.
struct BytePlace {
    int index = 0;
    int beyond = 0;
};

BytePlace PlaceOf(const PaneModel& document, TextPosition at) {
    const TextLine* line = document.GetLine(at.line);
    if (!line) return {0, at.column};
    if (at.column >= line->Width()) return {line->Length(), at.column - line->Width()};
    return {ColumnToIndex(line->Text(), line->Length(), at.column, TabWidth::Get(),
                          document.Encoding()),
            0};
}

// The column of `place` on `lineIndex`, at the start of the character holding its byte.
int ColumnOf(const PaneModel& document, int lineIndex, BytePlace place) {
    const TextLine* line = document.GetLine(lineIndex);
    if (!line) return place.beyond;
    const TextEncoding encoding = document.Encoding();
    const int start = place.index < line->Length()
                          ? ClusterStart(line->Text(), line->Length(), place.index, encoding)
                          : place.index;
    return IndexToColumn(line->Text(), line->Length(), start, TabWidth::Get(), encoding) +
           place.beyond;
}

} // namespace

void PaneEditor::SetEncoding(TextEncoding encoding) {
    if (encoding == document_.Encoding()) return;
    const TextPosition anchor = caret_.Anchor();
    const TextPosition caret = caret_.Caret();
    const BytePlace anchorPlace = PlaceOf(document_, anchor);
    const BytePlace caretPlace = PlaceOf(document_, caret);
    document_.SetEncoding(encoding);
    caret_.SetCaret(ColumnOf(document_, anchor.line, anchorPlace), anchor.line, 0);
    caret_.SetCaret(ColumnOf(document_, caret.line, caretPlace), caret.line, CaretMove::kExtend);
}

} // namespace varnex
