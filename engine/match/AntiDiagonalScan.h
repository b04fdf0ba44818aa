// The matcher's fixed search order: start cells of a comparison rectangle by rising anti-diagonal.
#pragma once

#include <algorithm>

namespace varnex {

// Visits the cells (p, q) with 0 <= p <= lastA, 0 <= q <= lastB and p + q <= lastSum once, in
// order of rising p + q; on one anti-diagonal the cell with the larger p comes first, so of two
// equally near pairs the one further down in A and further up in B wins. Stops at the first cell
// for which passes(p, q) is true and returns it in p and q; false (p and q untouched) when none
// passes or the rectangle is empty (lastA < 0 or lastB < 0).
template <class CellTest>
bool ScanAntiDiagonalsUpTo(int lastA, int lastB, int lastSum, CellTest&& passes, int& p, int& q) {
    if (lastA < 0 || lastB < 0) return false;
    const int lastDiagonal = std::min(lastSum, lastA + lastB);
    for (int d = 0; d <= lastDiagonal; ++d) {
        const int lowestP = std::max(0, d - lastB);
        for (int cellP = std::min(d, lastA); cellP >= lowestP; --cellP) {
            if (passes(cellP, d - cellP)) {
                p = cellP;
                q = d - cellP;
                return true;
            }
        }
    }
    return false;
}

// The whole rectangle in the order above.
template <class CellTest>
bool ScanAntiDiagonals(int lastA, int lastB, CellTest&& passes, int& p, int& q) {
    return ScanAntiDiagonalsUpTo(lastA, lastB, lastA + lastB, passes, p, q);
}

} // namespace varnex
