// One stored line of a pane: host word, measures, scanner state, style bytes and the text itself.
#include "textview/model/TextLine.h"

#include "textview/model/TextColumns.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace varnex {

namespace {

constexpr std::size_t kTextGranule = 16;

std::size_t TextBytes(int length) {
    return (static_cast<std::size_t>(length) + 1 + kTextGranule - 1) / kTextGranule * kTextGranule;
}

std::uint16_t Field(int value) {
    return static_cast<std::uint16_t>(std::clamp(value, 0, TextLine::kMaxField));
}

} // namespace

void TextLineDeleter::operator()(TextLine* line) const {
    line->~TextLine();
    ::operator delete(line);
}

TextLine::TextLine(int length, int indent, int width)
    : length_(Field(length)), indent_(Field(indent)), width_(Field(width)) {}

TextLinePtr TextLine::Make(const std::uint8_t* text, int length, int tabWidth) {
    length = std::clamp(length, 0, kMaxField);
    const LineMeasure measure = MeasureLine(text, length, tabWidth);
    void* block = ::operator new(sizeof(TextLine) + TextBytes(length));
    TextLinePtr line(new (block) TextLine(length, measure.indent, measure.width));
    auto* bytes = reinterpret_cast<std::uint8_t*>(line.get() + 1);
    if (length > 0) std::memcpy(bytes, text, static_cast<std::size_t>(length));
    bytes[length] = 0;
    return line;
}

std::uint8_t* TextLine::EnsureStyles() {
    if (!styles_) styles_ = std::make_unique<std::uint8_t[]>(std::max<int>(length_, 1));
    return styles_.get();
}

void TextLine::Remeasure(int tabWidth) {
    const LineMeasure measure = MeasureLine(Text(), length_, tabWidth);
    indent_ = Field(measure.indent);
    width_ = Field(measure.width);
}

void TextLine::KeepStateOf(const TextLine& previous) {
    hostWord = previous.hostWord;
    scanA = previous.scanA;
    scanB = previous.scanB;
}

} // namespace varnex
