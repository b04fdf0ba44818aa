// A place in a pane's text: display column and line, both from 0.
#pragma once

namespace varnex {

struct TextPosition {
    int column = 0;
    int line = 0;

    friend bool operator==(const TextPosition&, const TextPosition&) = default;
    // Earlier in the text: a lower line, or the same line and a lower column.
    friend bool operator<(const TextPosition& a, const TextPosition& b) {
        return a.line != b.line ? a.line < b.line : a.column < b.column;
    }
    friend bool operator<=(const TextPosition& a, const TextPosition& b) { return !(b < a); }
};

} // namespace varnex
