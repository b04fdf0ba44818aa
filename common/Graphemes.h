// What a reader sees as one character: a base character with the marks, joiners and selectors
// that extend it (Unicode's extended grapheme cluster), and the cells it takes on screen. The
// caret, the columns and the console's halves step by these; the comparison never does.
#pragma once

#include "common/TextEncoding.h"

#include <cstdint>

namespace varnex {

struct TextCluster {
    char32_t first = 0; // the first character: tabs and control characters are told by it
    int bytes = 1;
    int cells = 1;
    // A byte that starts no valid UTF-8 sequence, shown as its Windows-1252 character.
    bool invalid = false;
};

// The cluster that starts at text[index] (index < length). In Windows-1252 every byte is one
// cluster of one cell. In UTF-8 the cluster's cells are the widest of its characters' widths
// (two for East Asian wide ones and emoji), two for an emoji presentation selector or a pair of
// flag letters, none for format characters such as a byte-order mark, and at least one for a
// mark without a base so that it stays visible. A control character takes one cell: callers
// show a sign for it.
TextCluster ClusterAt(const std::uint8_t* text, int length, int index, TextEncoding encoding);

// Index of the first byte of the cluster that holds byte `index` (index < length).
int ClusterStart(const std::uint8_t* text, int length, int index, TextEncoding encoding);

} // namespace varnex
