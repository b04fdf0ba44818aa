// Where word jumps land, and which characters form the word at a position.
#include "textview/model/WordJump.h"

#include "textview/model/CharClass.h"
#include "textview/model/PaneModel.h"
#include "textview/model/TabWidth.h"
#include "textview/model/TextColumns.h"

namespace varnex {

TextPosition WordJumpLeft(const PaneModel& document, TextPosition caret, std::uint32_t stopMask) {
    if (caret.column == 0 && caret.line > 0) {
        const TextLine* previous = document.GetLine(caret.line - 1);
        return {previous ? previous->Width() : 0, caret.line - 1};
    }
    const TextLine* line = document.GetLine(caret.line);
    if (!line) return caret;
    const std::uint8_t* text = line->Text();
    const int tabWidth = TabWidth::Get();
    int i = ColumnToIndex(text, line->Length(), caret.column, tabWidth);
    if (i <= 0) return {0, caret.line};
    CharClass right = CharClassOf(text[i - 1]);
    while (--i > 0) {
        const CharClass left = CharClassOf(text[i - 1]);
        if (StopsBetween(stopMask, left, right)) break;
        right = left;
    }
    return {IndexToColumn(text, line->Length(), i, tabWidth), caret.line};
}

// The class the jump starts in stays the left side of every boundary it tests.
std::optional<TextPosition> WordJumpRight(const PaneModel& document, TextPosition caret,
                                          std::uint32_t stopMask) {
    const TextLine* line = document.GetLine(caret.line);
    if (!line) return std::nullopt;
    if (caret.column >= line->Width()) return TextPosition{0, caret.line + 1};
    const std::uint8_t* text = line->Text();
    const int tabWidth = TabWidth::Get();
    int i = ColumnToIndex(text, line->Length(), caret.column, tabWidth);
    const CharClass left = CharClassOf(text[i]);
    while (++i < line->Length()) {
        if (StopsBetween(stopMask, left, CharClassOf(text[i]))) break;
    }
    return TextPosition{IndexToColumn(text, line->Length(), i, tabWidth), caret.line};
}

ByteRange WordTouching(const std::uint8_t* text, int length, int index, std::uint32_t editOptions) {
    ByteRange range{index, index};
    while (range.first > 0 && range.first <= length &&
           IsWordCharacter(text[range.first - 1], editOptions))
        --range.first;
    while (range.last >= 0 && range.last < length && IsWordCharacter(text[range.last], editOptions))
        ++range.last;
    return range;
}

std::optional<ByteRange> WordUnder(const std::uint8_t* text, int length, int index,
                                   std::uint32_t editOptions) {
    if (index < 0 || index >= length) return std::nullopt;
    if (IsWordCharacter(text[index], editOptions))
        return WordTouching(text, length, index, editOptions);
    const CharClass run = CharClassOf(text[index]);
    if (run == CharClass::Blank) return std::nullopt;
    ByteRange range{index, index + 1};
    while (range.first > 0 && CharClassOf(text[range.first - 1]) == run)
        --range.first;
    while (range.last < length && CharClassOf(text[range.last]) == run)
        ++range.last;
    return range;
}

} // namespace varnex
