// One stored line of a pane: host word, measures, scanner state, style bytes and the text itself.
#include "textview/model/document/TextLine.h"

#include "textview/model/document/LineArena.h"
#include "textview/model/document/TextColumns.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace varnex {

namespace {

constexpr std::size_t kTextGranule = 16;

std::size_t TextBytes(int length) {
    return (static_cast<std::size_t>(length) + 1 + kTextGranule - 1) / kTextGranule * kTextGranule;
}

// An empty line still has one style byte, so that its row can be coloured.
std::size_t StyleBytes(int length) {
    return static_cast<std::size_t>(std::max(length, 1));
}

std::uint16_t Field(int value) {
    return static_cast<std::uint16_t>(std::clamp(value, 0, TextLine::kMaxField));
}

} // namespace

void TextLineDeleter::operator()(TextLine* line) const {
    const bool inArena = line->inArena_;
    line->~TextLine();
    if (!inArena) ::operator delete(line);
}

TextLine::TextLine(int length, int indent, int width, bool inArena)
    : length_(Field(length)), indent_(Field(indent)), width_(Field(width)), inArena_(inArena) {}

TextLinePtr TextLine::Make(const std::uint8_t* text, int length, int tabWidth,
                           TextEncoding encoding) {
    length = std::clamp(length, 0, kMaxField);
    const LineMeasure measure = MeasureLine(text, length, tabWidth, encoding);
    void* block = ::operator new(sizeof(TextLine) + TextBytes(length));
    TextLinePtr line(new (block) TextLine(length, measure.indent, measure.width, false));
    line->CopyText(text);
    return line;
}

TextLinePtr TextLine::Make(const std::uint8_t* text, int length, int tabWidth,
                           TextEncoding encoding, LineArena& arena) {
    length = std::clamp(length, 0, kMaxField);
    const LineMeasure measure = MeasureLine(text, length, tabWidth, encoding);
    static_assert(alignof(TextLine) <= alignof(void*), "the arena aligns records to 8 bytes");
    void* block = arena.Allocate(sizeof(TextLine) + TextBytes(length) + StyleBytes(length));
    TextLinePtr line(new (block) TextLine(length, measure.indent, measure.width, true));
    line->CopyText(text);
    return line;
}

void TextLine::CopyText(const std::uint8_t* text) {
    if (length_ > 0) std::memcpy(TextStart(), text, length_);
    TextStart()[length_] = 0;
}

std::uint8_t* TextLine::StyleRoom() {
    return inArena_ ? TextStart() + TextBytes(length_) : nullptr;
}

std::uint8_t* TextLine::EnsureStyles() {
    if (styles_) return styles_;
    styles_ = StyleRoom();
    if (!styles_) {
        styles_ = new std::uint8_t[StyleBytes(length_)];
        ownsStyles_ = true;
    }
    std::memset(styles_, 0, StyleBytes(length_));
    return styles_;
}

void TextLine::DropStyles() {
    if (ownsStyles_) delete[] styles_;
    styles_ = nullptr;
    ownsStyles_ = false;
}

void TextLine::Remeasure(int tabWidth, TextEncoding encoding) {
    const LineMeasure measure = MeasureLine(Text(), length_, tabWidth, encoding);
    indent_ = Field(measure.indent);
    width_ = Field(measure.width);
}

void TextLine::KeepStateOf(const TextLine& previous) {
    hostWord = previous.hostWord;
    scanA = previous.scanA;
    scanB = previous.scanB;
}

} // namespace varnex
