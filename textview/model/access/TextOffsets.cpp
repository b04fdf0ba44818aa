// A pane's text as one run of characters: offsets, (line, byte) positions, words and lines.
#include "textview/model/access/TextOffsets.h"

#include "textview/model/document/TextColumns.h"
#include "textview/model/editor/CharClass.h"
#include "textview/model/settings/TabWidth.h"

#include <algorithm>

namespace varnex {

namespace {

constexpr char32_t kLineBreak = U'\n';

int NextCodePoint(const TextLine& line, int byte) {
    return byte + CharAt(line.Text(), line.Length(), byte, TextEncoding::Utf8).bytes;
}

} // namespace

void TextOffsets::Refresh() const {
    if (counted_ && countedRevision_ == document_.TextRevision()) return;
    const int lineCount = document_.LineCount();
    lineStarts_.assign(static_cast<std::size_t>(lineCount) + 1, 0);
    for (int k = 0; k < lineCount; ++k) {
        const TextLine& line = *document_.GetLine(k);
        lineStarts_[k + 1] = lineStarts_[k] + CharactersBefore(line, line.Length()) + 1;
    }
    countedRevision_ = document_.TextRevision();
    counted_ = true;
}

// Offsets count code points, as assistive technology does, not the clusters the caret steps
// over. A Windows-1252 line has as many as bytes; only UTF-8 needs the walk.
int TextOffsets::CharactersBefore(const TextLine& line, int byte) const {
    if (document_.Encoding() != TextEncoding::Utf8) return byte;
    int characters = 0;
    for (int k = 0; k < byte; k = NextCodePoint(line, k))
        ++characters;
    return characters;
}

int TextOffsets::ByteOfCharacter(const TextLine& line, int characters) const {
    if (document_.Encoding() != TextEncoding::Utf8) return std::min(characters, line.Length());
    int byte = 0;
    for (; characters > 0 && byte < line.Length(); --characters)
        byte = NextCodePoint(line, byte);
    return byte;
}

int TextOffsets::CharacterCount() const {
    Refresh();
    return lineStarts_.size() > 1 ? lineStarts_.back() - 1 : 0;
}

int TextOffsets::OffsetOf(LineByte at) const {
    Refresh();
    const int lineCount = document_.LineCount();
    if (lineCount == 0) return 0;
    if (at.line >= lineCount) return CharacterCount();
    const int line = std::max(at.line, 0);
    const TextLine& record = *document_.GetLine(line);
    int byte = std::clamp(at.byte, 0, record.Length());
    // A byte inside a character counts as that character.
    if (byte < record.Length())
        byte = CharStart(record.Text(), record.Length(), byte, document_.Encoding());
    return lineStarts_[line] + CharactersBefore(record, byte);
}

LineByte TextOffsets::PositionOf(int offset) const {
    Refresh();
    if (document_.LineCount() == 0) return {};
    offset = std::clamp(offset, 0, CharacterCount());
    const auto after = std::upper_bound(lineStarts_.begin(), lineStarts_.end() - 1, offset);
    const int line = static_cast<int>(after - lineStarts_.begin()) - 1;
    return {line, ByteOfCharacter(*document_.GetLine(line), offset - lineStarts_[line])};
}

int TextOffsets::OffsetOfCaret(TextPosition caret) const {
    const TextLine* line = document_.GetLine(caret.line);
    if (!line) return OffsetOf({caret.line, 0});
    return OffsetOf({caret.line, ColumnToIndex(line->Text(), line->Length(), caret.column,
                                               TabWidth::Get(), document_.Encoding())});
}

TextPosition TextOffsets::CaretOf(int offset) const {
    const LineByte at = PositionOf(offset);
    const TextLine* line = document_.GetLine(at.line);
    if (!line) return {};
    return {
        IndexToColumn(line->Text(), line->Length(), at.byte, TabWidth::Get(), document_.Encoding()),
        at.line};
}

std::optional<OffsetRange> TextOffsets::SelectionOf(const CaretModel& caret) const {
    if (!caret.HasSelection()) return std::nullopt;
    return OffsetRange{OffsetOfCaret(caret.SelectionStart()), OffsetOfCaret(caret.SelectionEnd())};
}

OffsetRange TextOffsets::UnitAt(int offset, TextUnit unit, std::uint32_t editOptions) const {
    const int count = CharacterCount();
    offset = std::clamp(offset, 0, count);
    if (unit == TextUnit::Line) return LineAt(offset);
    if (offset == count) return {count, count};
    if (unit == TextUnit::Character) return {offset, offset + 1};
    return WordAt(offset, editOptions);
}

OffsetRange TextOffsets::LineAt(int offset) const {
    if (document_.LineCount() == 0) return {};
    const int line = PositionOf(offset).line;
    return {lineStarts_[line], std::min(lineStarts_[line + 1], CharacterCount())};
}

// Words and the gaps between them alternate, so the units before and after a word are whole.
OffsetRange TextOffsets::WordAt(int offset, std::uint32_t editOptions) const {
    const LineByte at = PositionOf(offset);
    const TextLine& line = *document_.GetLine(at.line);
    if (at.byte >= line.Length()) return {offset, offset + 1};
    const std::uint8_t* text = line.Text();
    const int length = line.Length();
    const TextEncoding encoding = document_.Encoding();
    const bool word = IsWordCharacterAt(text, length, at.byte, editOptions, encoding);
    const auto sameKind = [&](int byte) {
        return IsWordCharacterAt(text, length, byte, editOptions, encoding) == word;
    };
    int first = at.byte;
    while (first > 0 && sameKind(PreviousCharIndex(text, length, first, encoding)))
        first = PreviousCharIndex(text, length, first, encoding);
    int last = at.byte;
    while (last < length && sameKind(last))
        last = NextCharIndex(text, length, last, encoding);
    return {OffsetOf({at.line, first}), OffsetOf({at.line, last})};
}

std::u32string TextOffsets::Text(OffsetRange range) const {
    std::u32string text;
    const int count = CharacterCount();
    range.start = std::clamp(range.start, 0, count);
    range.end = std::clamp(range.end, range.start, count);
    const LineByte from = PositionOf(range.start);
    const LineByte to = PositionOf(range.end);
    const TextEncoding encoding = document_.Encoding();
    for (int k = from.line; k <= to.line; ++k) {
        const TextLine& line = *document_.GetLine(k);
        const int last = k == to.line ? to.byte : line.Length();
        for (int byte = k == from.line ? from.byte : 0; byte < last;) {
            const EncodedChar character = CharAt(line.Text(), line.Length(), byte, encoding);
            text.push_back(character.code);
            byte += character.bytes;
        }
        if (k != to.line) text.push_back(kLineBreak);
    }
    return text;
}

} // namespace varnex
