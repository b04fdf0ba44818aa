// Questions about the bytes of one line: where its content ends, equality, blankness.
#pragma once

#include "engine/load/SourceText.h"

#include <cstdint>

namespace varnex {

// End offset of line `line` without its line end: one trailing LF, then one trailing CR, removed.
std::uint32_t ContentEnd(const SourceText& side, int line);
// True when the two lines' bytes are identical apart from their line ends.
bool SameContent(const SourceText& left, int leftLine, const SourceText& right, int rightLine);
// True when `count` is below 1 or every byte of the lines (line ends included) is a blank,
// tab, CR or LF.
bool IsBlankLines(const SourceText& side, int first, int count);

} // namespace varnex
