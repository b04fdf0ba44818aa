// Where word jumps land, and which characters form the word at a position.
#include "textview/model/editor/WordJump.h"

#include "textview/model/document/PaneModel.h"
#include "textview/model/document/TextColumns.h"
#include "textview/model/editor/CharClass.h"
#include "textview/model/settings/TabWidth.h"

namespace varnex {

TextPosition WordJumpLeft(const PaneModel& document, TextPosition caret, std::uint32_t stopMask) {
    if (caret.column == 0 && caret.line > 0) {
        const TextLine* previous = document.GetLine(caret.line - 1);
        return {previous ? previous->Width() : 0, caret.line - 1};
    }
    const TextLine* line = document.GetLine(caret.line);
    if (!line) return caret;
    const std::uint8_t* text = line->Text();
    const int length = line->Length();
    const int tabWidth = TabWidth::Get();
    const TextEncoding encoding = document.Encoding();
    int i = ColumnToIndex(text, length, caret.column, tabWidth, encoding);
    if (i <= 0) return {0, caret.line};
    i = PreviousCharIndex(text, length, i, encoding);
    CharClass right = CharClassAt(text, length, i, encoding);
    while (i > 0) {
        const int before = PreviousCharIndex(text, length, i, encoding);
        const CharClass left = CharClassAt(text, length, before, encoding);
        if (StopsBetween(stopMask, left, right)) break;
        right = left;
        i = before;
    }
    return {IndexToColumn(text, length, i, tabWidth, encoding), caret.line};
}

// The class the jump starts in stays the left side of every boundary it tests.
std::optional<TextPosition> WordJumpRight(const PaneModel& document, TextPosition caret,
                                          std::uint32_t stopMask) {
    const TextLine* line = document.GetLine(caret.line);
    if (!line) return std::nullopt;
    if (caret.column >= line->Width()) return TextPosition{0, caret.line + 1};
    const std::uint8_t* text = line->Text();
    const int length = line->Length();
    const int tabWidth = TabWidth::Get();
    const TextEncoding encoding = document.Encoding();
    int i = ColumnToIndex(text, length, caret.column, tabWidth, encoding);
    const CharClass left = CharClassAt(text, length, i, encoding);
    i = NextCharIndex(text, length, i, encoding);
    while (i < length && !StopsBetween(stopMask, left, CharClassAt(text, length, i, encoding)))
        i = NextCharIndex(text, length, i, encoding);
    return TextPosition{IndexToColumn(text, length, i, tabWidth, encoding), caret.line};
}

ByteRange WordTouching(const std::uint8_t* text, int length, int index, std::uint32_t editOptions,
                       TextEncoding encoding) {
    ByteRange range{index, index};
    while (range.first > 0 && range.first <= length) {
        const int before = PreviousCharIndex(text, length, range.first, encoding);
        if (!IsWordCharacterAt(text, length, before, editOptions, encoding)) break;
        range.first = before;
    }
    while (range.last >= 0 && range.last < length &&
           IsWordCharacterAt(text, length, range.last, editOptions, encoding))
        range.last = NextCharIndex(text, length, range.last, encoding);
    return range;
}

std::optional<ByteRange> WordUnder(const std::uint8_t* text, int length, int index,
                                   std::uint32_t editOptions, TextEncoding encoding) {
    if (index < 0 || index >= length) return std::nullopt;
    if (IsWordCharacterAt(text, length, index, editOptions, encoding))
        return WordTouching(text, length, index, editOptions, encoding);
    const CharClass run = CharClassAt(text, length, index, encoding);
    if (run == CharClass::Blank) return std::nullopt;
    ByteRange range{index, NextCharIndex(text, length, index, encoding)};
    while (range.first > 0) {
        const int before = PreviousCharIndex(text, length, range.first, encoding);
        if (CharClassAt(text, length, before, encoding) != run) break;
        range.first = before;
    }
    while (range.last < length && CharClassAt(text, length, range.last, encoding) == run)
        range.last = NextCharIndex(text, length, range.last, encoding);
    return range;
}

} // namespace varnex
