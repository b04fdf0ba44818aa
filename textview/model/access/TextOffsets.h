// A pane's text as one run of characters, the way assistive technology addresses it: an offset
// counts characters (code points in a UTF-8 pane, bytes in a Windows-1252 one) with one line
// break between lines. Offsets map to (line, byte) and back; the words and lines around an
// offset are found here too.
#pragma once

#include "textview/model/document/PaneModel.h"
#include "textview/model/document/TextPosition.h"
#include "textview/model/editor/Caret.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace varnex {

// A byte of a line; a byte equal to the line's length stands for the line's end.
struct LineByte {
    int line = 0;
    int byte = 0;
    friend bool operator==(const LineByte&, const LineByte&) = default;
};

enum class TextUnit { Character, Word, Line };

// Offsets [start, end).
struct OffsetRange {
    int start = 0;
    int end = 0;
    friend bool operator==(const OffsetRange&, const OffsetRange&) = default;
};

// Where each line starts is counted once on the first question after the text changed, so a
// caret move in a large pane costs one lookup, and a pane nobody reads costs nothing.
class TextOffsets {
public:
    explicit TextOffsets(const PaneModel& document) : document_(document) {}

    int CharacterCount() const;
    // The byte is clamped to its line, the line to the text.
    int OffsetOf(LineByte at) const;
    // The offset is clamped to 0..CharacterCount().
    LineByte PositionOf(int offset) const;
    // The same for a caret's display column and line, under the pane's tab width.
    int OffsetOfCaret(TextPosition caret) const;
    TextPosition CaretOf(int offset) const;
    // The selection's ends in text order; nothing without a selection.
    std::optional<OffsetRange> SelectionOf(const CaretModel& caret) const;

    // The unit that holds `offset`. A word is a run of word characters (CharClass's rule under
    // `editOptions`) or a run of the characters between them, never across a line break; a line
    // ends after its line break. Empty at the end of the text, except a line: the last one.
    OffsetRange UnitAt(int offset, TextUnit unit, std::uint32_t editOptions) const;
    // The characters of [start, end) as code points, line breaks as U+000A.
    std::u32string Text(OffsetRange range) const;

private:
    void Refresh() const;
    int CharactersBefore(const TextLine& line, int byte) const;
    int ByteOfCharacter(const TextLine& line, int characters) const;
    OffsetRange WordAt(int offset, std::uint32_t editOptions) const;
    OffsetRange LineAt(int offset) const;

    const PaneModel& document_;
    // lineStarts_[k] is the offset of line k; one more entry for the end past the last break.
    mutable std::vector<int> lineStarts_;
    mutable std::uint64_t countedRevision_ = 0;
    mutable bool counted_ = false;
};

} // namespace varnex
