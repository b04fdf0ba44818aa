// Decides on which row each line of a character-compared block stands.
#pragma once

#include "engine/match/Matcher.h"

#include <vector>

namespace varnex {

// One side of a block in matching units (bytes, or tokens in the mode that ignores blanks).
struct BlockLines {
    int units = 0;
    // Exclusive end unit of each line of the block; the last one is `units`.
    std::vector<int> lineEnds;
};

struct BlockRowPlan {
    std::vector<int> leftRows;  // row of each left line of the block
    std::vector<int> rightRows; // row of each right line of the block
    int nextRow = 0;            // first row after the block; may lie past the row limit
};

// Walks both sides in parallel: unmatched left units close their lines one per row, right
// lines are closed up to the next match, the lagging side is given placeholder rows, and a
// left line shares its row with the current right line. `map` holds left.units + 1 entries
// (1-based partners, the last one right.units + 1).
BlockRowPlan WalkBlockRows(const MatchEntry* map, const BlockLines& left, const BlockLines& right,
                           int firstRow);

} // namespace varnex
