// Where word jumps land, and which characters form the word at a position.
#pragma once

#include "common/TextEncoding.h"
#include "textview/model/document/TextPosition.h"

#include <cstdint>
#include <optional>

namespace varnex {

class PaneModel;

// Ctrl+Left from `caret`: the end of the previous line from column 0, else the previous stop.
TextPosition WordJumpLeft(const PaneModel& document, TextPosition caret, std::uint32_t stopMask);
// Ctrl+Right from `caret` on an existing line: column 0 of the next line from the line's end,
// else the next stop; nothing past the last line.
std::optional<TextPosition> WordJumpRight(const PaneModel& document, TextPosition caret,
                                          std::uint32_t stopMask);

// Bytes [first, last) of one line.
struct ByteRange {
    int first = 0;
    int last = 0;
    friend bool operator==(const ByteRange&, const ByteRange&) = default;
};

// The word scan: word characters before `index` and from `index` on, as one range (empty when
// no word touches `index`); characters as `encoding` reads the bytes.
ByteRange WordTouching(const std::uint8_t* text, int length, int index, std::uint32_t editOptions,
                       TextEncoding encoding);

// What a double-click on the character at `index` selects: its run of word characters, else
// its run of characters of the same class; nothing for blanks or past the end.
std::optional<ByteRange> WordUnder(const std::uint8_t* text, int length, int index,
                                   std::uint32_t editOptions, TextEncoding encoding);

} // namespace varnex
