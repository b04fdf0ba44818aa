// What assistive technology says of the rows, so that a row's kind is heard and not only seen
// in its colour: the kind and file line of a row, and the difference block a jump reached.
#pragma once

#include "engine/result/AlignedRows.h"

#include <string>

namespace varnex {

// "geändert, Zeile 120" for a row showing line 120 of `side`'s file; "Platzhalter" for a row
// that shows no line there; empty past the rows.
std::string DescribeRow(const AlignedRows& rows, Side side, int row);

// "Unterschied 3 von 12, Zeilen 120–134" for the block of rows [start, end): its place among
// the runs of differing rows, and the file lines it shows on `side` (on the other side when it
// shows none there). Empty when no block starts at `start`.
std::string DescribeBlock(const AlignedRows& rows, Side side, int start, int end);

} // namespace varnex
