// Row layouts of whole lines: changed blocks paired line by line, and lines of one side only.
#pragma once

#include "engine/layout/LayoutTarget.h"

namespace varnex {

// Each takes the next free row and returns the next free row; none adds a row at or past the
// row limit.

// Pairs left lines i.. and right lines j.. on Changed rows, surplus lines against placeholders.
int LayoutChangedBlock(LayoutTarget& target, int i, int j, int k, int d, int row);
// Left lines only, Removed.
int LayoutRemoved(LayoutTarget& target, int i, int k, int row);
// Right lines only, Inserted.
int LayoutInserted(LayoutTarget& target, int j, int d, int row);
// Lines of one side that do not count as a difference (blank lines in CharWiseNoBlanks), Equal.
int LayoutLeftOnlyPlain(LayoutTarget& target, int i, int k, int row);
int LayoutRightOnlyPlain(LayoutTarget& target, int j, int d, int row);

} // namespace varnex
