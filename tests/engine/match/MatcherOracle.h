// A literal reference matcher, written rule by rule without shortcuts; the engine's
// matcher is tested against it, and where the two differ the reference decides.
#pragma once

#include "engine/match/Matcher.h"

#include <functional>
#include <vector>

namespace varnex::oracle {

struct Cell {
    int p;
    int q;
    bool operator==(const Cell&) const = default;
};

// Visits the cells of the rectangle 0..a x 0..b in the four phases of the scan (upper-left
// triangle, the band for a longer A, the band for a longer B, the lower-right triangle) and returns
// the first cell that passes, or nothing.
bool VisitAntiDiagonals(int a, int b, const std::function<bool(Cell)>& passes, Cell& hit);
// Every cell of the rectangle in visiting order.
std::vector<Cell> VisitOrder(int a, int b);

// Same contracts as the engine's functions of the same names.
void MatchSequences(const MatchKey* a, int nA, int offsetA, const MatchKey* b, int nB, int offsetB,
                    MatchEntry* map, int window);
bool FindNearestMatch(const MatchKey* a, const MatchKey* b, int nA, int nB, int& p, int& q);
bool FindNearestNonZeroMatch(const MatchKey* a, const MatchKey* b, int nA, int nB, int& p, int& q);
int FindNearestWindow(const MatchKey* a, const MatchKey* b, int nA, int nB, int w, int m, int& p,
                      int& q);
int RefineRepeatedAnchor(const MatchKey* a, const MatchKey* b, int limitA, int limitB, int w, int m,
                         int& p, int& q);
int CountLeadingZeros(const MatchEntry* map, int n);
int CountLeadingNonZeros(const MatchEntry* map, int n);

// What the refinements have done so far, so that tests can show that their inputs reached the
// interesting branches.
struct RefineCounters {
    long calls = 0;
    long fullListsA = 0; // ListA reached its capacity
    long fullListsB = 0;
    long ownLeftOut = 0; // a list was full before the anchor's own start could be added
    long moved = 0;      // p or q was changed
};
RefineCounters& Counters();

} // namespace varnex::oracle
