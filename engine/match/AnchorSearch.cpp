// Nearest-anchor searches: a plain anti-diagonal scan of the near cells, then indexed candidates.
#include "engine/match/AnchorSearch.h"

#include "engine/match/AntiDiagonalScan.h"
#include "engine/match/RepeatedAnchor.h"

#include <algorithm>
#include <cstdint>

namespace varnex {

namespace {

// Rectangles of up to this many start cells are scanned plainly: an index would cost more.
constexpr std::int64_t kPlainScanCells = std::int64_t{1} << 12;
// Larger rectangles are first scanned plainly up to this anti-diagonal, where most anchors lie.
constexpr int kPlainScanSum = 32;
// Refinements over shorter stretches test every position rather than build a key index.
constexpr int kPlainRefineLength = 4096;
// Partners are tested one window at a time up to this many; beyond, one window per content.
constexpr std::size_t kPartnersTestedOneByOne = 64;

// Inner positions 1 .. w-2 of the windows at a and b that differ, counted only up to limit + 1.
int CountInnerMismatches(const MatchKey* a, const MatchKey* b, int w, int limit) {
    int mismatches = 0;
    for (int k = 1; k < w - 1 && mismatches <= limit; ++k)
        mismatches += a[k] != b[k] ? 1 : 0;
    return mismatches;
}

} // namespace

// A start cell passes when the windows of w keys there have an equal first key (not 0 unless
// zeroStarts), an equal last key and at most `tolerance` unequal inner keys.
struct AnchorSearch::CellRule {
    int w;
    int tolerance;
    bool zeroStarts;

    // The rest of the test, for windows whose first and last keys are known to be equal.
    bool InnerPasses(const MatchKey* a, const MatchKey* b) const {
        return CountInnerMismatches(a, b, w, tolerance) <= tolerance;
    }
    // The unequal first key, by far the most common failure, is tested first: one branch a cell.
    bool Passes(const MatchKey* a, const MatchKey* b) const {
        if (a[0] != b[0] || a[w - 1] != b[w - 1] || (a[0] == 0 && !zeroStarts)) return false;
        return InnerPasses(a, b);
    }
};

AnchorSearch::AnchorSearch(const MatchKey* a, int nA, const MatchKey* b, int nB,
                           MatchScratch& scratch)
    : a_(a), nA_(nA), b_(b), nB_(nB), scratch_(scratch) {
    scratch_.Start(a, nA, b, nB);
}

bool AnchorSearch::NearestMatch(const Stretch& s, bool zeroMatches, int& p, int& q) {
    return NearestCell(s, CellRule{1, 0, zeroMatches}, p, q);
}

int AnchorSearch::NearestWindow(const Stretch& s, int w, int m, int& p, int& q) {
    if (w == 1) return NearestMatch(s, false, p, q) ? 1 : 0;
    if (w < 1 || s.nA < w || s.nB < w || m < 1 || m > w) return 0;
    const int tolerance = w - m;
    if (!NearestCell(s, CellRule{w, tolerance, false}, p, q)) return 0;
    const int equalCount =
        w - CountInnerMismatches(a_ + s.aFrom + p, b_ + s.bFrom + q, w, tolerance);
    if (w < kRefinedWindow) return equalCount;
    // The refinement leaves p and q alone when it returns 0.
    const int refinedCount = Refine(s, w, m, p, q);
    return refinedCount != 0 ? refinedCount : equalCount;
}

bool AnchorSearch::NearestCell(const Stretch& s, const CellRule& rule, int& p, int& q) {
    const int lastA = s.nA - rule.w;
    const int lastB = s.nB - rule.w;
    if (lastA < 0 || lastB < 0) return false;
    const MatchKey* a = a_ + s.aFrom;
    const MatchKey* b = b_ + s.bFrom;
    const auto passes = [&](int cellP, int cellQ) { return rule.Passes(a + cellP, b + cellQ); };
    if (std::int64_t{lastA + 1} * (lastB + 1) <= kPlainScanCells)
        return ScanAntiDiagonals(lastA, lastB, passes, p, q);
    return ScanAntiDiagonalsUpTo(lastA, lastB, kPlainScanSum, passes, p, q) ||
           IndexedScan(s, rule, kPlainScanSum, p, q);
}

// No cell up to anti-diagonal fromSum passes. The reach doubles from there, so that a near hit
// costs little even when the first keys have very many candidates further away; rows that a
// failed reach has settled are not visited again.
bool AnchorSearch::IndexedScan(const Stretch& s, const CellRule& rule, int fromSum, int& p,
                               int& q) {
    const PinnedWindowIndex& index = scratch_.PinnedWindows(rule.w, rule.tolerance);
    const int lastSum = s.nA + s.nB - 2 * rule.w;
    int firstOpenRow = 0;
    for (int reach = 2 * fromSum;; reach *= 2) {
        const int bound = std::min(reach, lastSum);
        if (IndexedScanUpTo(s, rule, index, firstOpenRow, bound, p, q)) return true;
        if (bound == lastSum) return false;
        firstOpenRow = FirstOpenRow(s, rule, index, firstOpenRow, bound);
    }
}

// The passing cell with the lowest p + q up to lastSum, the larger p on a tie: each p in rising
// order from firstRow takes its nearest partner that is no further away than the best cell so far;
// rows without candidates have none.
bool AnchorSearch::IndexedScanUpTo(const Stretch& s, const CellRule& rule,
                                   const PinnedWindowIndex& index, int firstRow, int lastSum,
                                   int& p, int& q) {
    const int lastA = s.nA - rule.w;
    const int lastB = s.nB - rule.w;
    bool found = false;
    const std::span<const int> rows = StartsBetween(
        index.RowsWithCandidates(), s.aFrom + firstRow, s.aFrom + std::min(lastA, lastSum) + 1);
    for (const int row : rows) {
        const int cellP = row - s.aFrom;
        if (cellP > lastSum) break;
        const int cellQ = NearestPartner(s, rule, index, cellP, std::min(lastB, lastSum - cellP));
        if (cellQ < 0) continue;
        p = cellP;
        q = cellQ;
        lastSum = cellP + cellQ;
        found = true;
    }
    return found;
}

// After a reach up to `bound` found nothing, a row without candidates past the bound has no
// passing cell at all. Returns the first row from `row` on that may still have one.
int AnchorSearch::FirstOpenRow(const Stretch& s, const CellRule& rule,
                               const PinnedWindowIndex& index, int row, int bound) const {
    const int lastRow = std::min(s.nA - rule.w, bound);
    const int endB = s.bFrom + s.nB - rule.w + 1;
    const std::span<const int> rows =
        StartsBetween(index.RowsWithCandidates(), s.aFrom + row, s.aFrom + lastRow + 1);
    for (const int start : rows) {
        if (a_[start] == 0 && !rule.zeroStarts) continue;
        const int cellP = start - s.aFrom;
        for (int part = 0; part < index.PartCount(); ++part) {
            const std::span<const int> starts = index.Candidates(start, part);
            if (!StartsBetween(starts, s.bFrom + bound - cellP + 1, endB).empty()) return cellP;
        }
    }
    return std::max(row, lastRow + 1);
}

// The lowest q <= lastQ at which the cell (cellP, q) passes, or -1. A passing window shares one
// part's pinned keys, so the nearest passing candidate over all parts is the answer.
int AnchorSearch::NearestPartner(const Stretch& s, const CellRule& rule,
                                 const PinnedWindowIndex& index, int cellP, int lastQ) {
    const MatchKey* window = a_ + s.aFrom + cellP;
    if (window[0] == 0 && !rule.zeroStarts) return -1;
    int end = s.bFrom + lastQ + 1;
    int nearest = -1;
    for (int part = 0; part < index.PartCount(); ++part) {
        // Walked up from bFrom while below `end`, so the end of the range needs no search.
        const std::span<const int> offered = index.Candidates(s.aFrom + cellP, part);
        auto candidate = std::lower_bound(offered.begin(), offered.end(), s.bFrom);
        for (std::size_t tested = 0; candidate != offered.end() && *candidate < end;
             ++candidate, ++tested) {
            if (tested == kPartnersTestedOneByOne)
                return NearestPartnerByContent(s, rule, cellP, lastQ);
            if (rule.Passes(window, b_ + *candidate)) break;
        }
        if (candidate == offered.end() || *candidate >= end) continue;
        nearest = *candidate;
        end = nearest;
    }
    return nearest < 0 ? -1 : nearest - s.bFrom;
}

// The same answer when many windows of b share the window's first and last key, as in files made
// mostly of braces and blank lines: windows of equal content pass or fail together, so each
// content is tested once and its nearest window looked up.
int AnchorSearch::NearestPartnerByContent(const Stretch& s, const CellRule& rule, int cellP,
                                          int lastQ) {
    const WindowClasses& classes = ClassesOf(rule.w);
    const MatchKey* window = a_ + s.aFrom + cellP;
    int end = s.bFrom + lastQ + 1;
    int nearest = -1;
    for (const int c : classes.ClassesInB(window[0], window[rule.w - 1])) {
        if (!rule.InnerPasses(window, classes.Content(c))) continue;
        const std::span<const int> starts = StartsBetween(classes.StartsInB(c), s.bFrom, end);
        if (starts.empty()) continue;
        nearest = starts.front();
        end = nearest;
    }
    return nearest < 0 ? -1 : nearest - s.bFrom;
}

int AnchorSearch::Refine(const Stretch& s, int w, int m, int& p, int& q) {
    const MatchKey* a = a_ + s.aFrom;
    const MatchKey* b = b_ + s.bFrom;
    const int limitA = s.nA - w;
    const int limitB = s.nB - w;
    if (s.nA + s.nB < kPlainRefineLength)
        return RefineRepeatedAnchor(a, b, limitA, limitB, w - 1, m - 1, p, q);
    const OccurrenceLookup inA{&scratch_.KeysInA(), s.aFrom};
    const OccurrenceLookup inB{&scratch_.KeysInB(), s.bFrom};
    return RefineRepeatedAnchor(a, b, limitA, limitB, w - 1, m - 1, p, q, inA, inB);
}

WindowClasses& AnchorSearch::ClassesOf(int w) {
    return windowClasses_.try_emplace(w, b_, nB_, w).first->second;
}

} // namespace varnex
