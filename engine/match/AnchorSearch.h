// Nearest-anchor searches over stretches of two fixed key sequences, by key index when large.
#pragma once

#include "engine/match/MatchScratch.h"
#include "engine/match/Matcher.h"
#include "engine/match/WindowClasses.h"

#include <map>

namespace varnex {

// The stretches A[aFrom, aFrom + nA) and B[bFrom, bFrom + nB) of the searched sequences.
struct Stretch {
    int aFrom;
    int nA;
    int bFrom;
    int nB;
};

// Answers FindNearestMatch, FindNearestNonZeroMatch and FindNearestWindow for stretches of a and
// b, with the same results. Near cells are scanned plainly; when that finds nothing in a large
// rectangle, only the cells whose windows share the keys every passing pair shares are tested,
// looked up in indexes built once per window rule and kept for later searches, in the memory
// of `scratch`, which the search starts afresh and uses while it lives.
class AnchorSearch {
public:
    AnchorSearch(const MatchKey* a, int nA, const MatchKey* b, int nB, MatchScratch& scratch);

    const MatchKey* A() const { return a_; }
    const MatchKey* B() const { return b_; }

    // FindNearestMatch (zeroMatches) or FindNearestNonZeroMatch on the stretch; p and q are
    // relative to its start.
    bool NearestMatch(const Stretch& s, bool zeroMatches, int& p, int& q);
    // FindNearestWindow on the stretch, RefineRepeatedAnchor included.
    int NearestWindow(const Stretch& s, int w, int m, int& p, int& q);

private:
    struct CellRule;
    bool NearestCell(const Stretch& s, const CellRule& rule, int& p, int& q);
    bool IndexedScan(const Stretch& s, const CellRule& rule, int fromSum, int& p, int& q);
    bool IndexedScanUpTo(const Stretch& s, const CellRule& rule, const PinnedWindowIndex& index,
                         int firstRow, int lastSum, int& p, int& q);
    int FirstOpenRow(const Stretch& s, const CellRule& rule, const PinnedWindowIndex& index,
                     int row, int bound) const;
    int NearestPartner(const Stretch& s, const CellRule& rule, const PinnedWindowIndex& index,
                       int cellP, int lastQ);
    int NearestPartnerByContent(const Stretch& s, const CellRule& rule, int cellP, int lastQ);
    int Refine(const Stretch& s, int w, int m, int& p, int& q);
    WindowClasses& ClassesOf(int w);

    const MatchKey* a_;
    int nA_;
    const MatchKey* b_;
    int nB_;
    MatchScratch& scratch_;
    std::map<int, WindowClasses> windowClasses_;
};

} // namespace varnex
