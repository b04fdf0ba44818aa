// The matcher's searches and its divide-and-conquer walk over the two key sequences.
#include "engine/Matcher.h"

#include "engine/AntiDiagonalScan.h"

#include <algorithm>

namespace varnex {

namespace {

// Inner positions 1 .. w-2 of the windows at a and b that differ, counted only up to limit + 1.
int CountInnerMismatches(const MatchKey* a, const MatchKey* b, int w, int limit) {
    int mismatches = 0;
    for (int k = 1; k < w - 1 && mismatches <= limit; ++k)
        mismatches += a[k] != b[k] ? 1 : 0;
    return mismatches;
}

// A window starts with an equal non-zero key, ends with an equal key and has at most
// `tolerance` unequal inner keys; `mismatches` receives their number when it passes.
bool WindowPasses(const MatchKey* a, const MatchKey* b, int w, int tolerance, int& mismatches) {
    if (a[0] == 0 || a[0] != b[0] || a[w - 1] != b[w - 1]) return false;
    mismatches = CountInnerMismatches(a, b, w, tolerance);
    return mismatches <= tolerance;
}

int MinimumEqualCount(int w) {
    return w >= kTolerantWindow ? w - 1 : w;
}

// Searches with window w, halving it while nothing is found; false once w has run down to 0.
bool FindAnchor(const MatchKey* a, int nA, const MatchKey* b, int nB, int& w, int& p, int& q) {
    for (; w > 0; w /= 2) {
        const bool found = w > 1
                               ? FindNearestWindow(a, b, nA, nB, w, MinimumEqualCount(w), p, q) > 0
                               : FindNearestMatch(a, b, nA, nB, p, q);
        if (found) return true;
    }
    return false;
}

// Records the equal positions of the accepted window at (p, q); unequal ones stay unmatched.
void RecordWindow(const MatchKey* a, const MatchKey* b, int w, int p, int q, int offsetB,
                  MatchEntry* map) {
    for (int k = 0; k < w; ++k) {
        if (a[p + k] == b[q + k]) map[p + k] = static_cast<MatchEntry>(q + k + offsetB);
    }
}

} // namespace

// The walk after an anchor is a loop rather than a tail call, so the stack holds at most one
// frame per halving of the window (the part before an anchor is matched with half the window).
void MatchSequences(const MatchKey* a, int nA, int offsetA, const MatchKey* b, int nB, int offsetB,
                    MatchEntry* map, int window) {
    // Below 1 the window counts as 1; a window of 0 would otherwise never advance.
    window = std::max(window, 1);
    int p = 0;
    int q = 0;
    while (FindAnchor(a, nA, b, nB, window, p, q)) {
        // With a single key the scan order leaves no equal pair above and left of the hit.
        if (p > 0 && q > 0 && window > 1)
            MatchSequences(a, p, offsetA, b, q, offsetB, map, window / 2);
        RecordWindow(a, b, window, p, q, offsetB, map);
        p += window;
        q += window;
        if (p >= nA || q >= nB) return;
        a += p;
        nA -= p;
        offsetA += p;
        map += p;
        b += q;
        nB -= q;
        offsetB += q;
    }
}

bool FindNearestMatch(const MatchKey* a, const MatchKey* b, int nA, int nB, int& p, int& q) {
    return ScanAntiDiagonals(
        nA - 1, nB - 1, [a, b](int cellP, int cellQ) { return a[cellP] == b[cellQ]; }, p, q);
}

bool FindNearestNonZeroMatch(const MatchKey* a, const MatchKey* b, int nA, int nB, int& p, int& q) {
    return ScanAntiDiagonals(
        nA - 1, nB - 1,
        [a, b](int cellP, int cellQ) { return a[cellP] != 0 && a[cellP] == b[cellQ]; }, p, q);
}

int FindNearestWindow(const MatchKey* a, const MatchKey* b, int nA, int nB, int w, int m, int& p,
                      int& q) {
    if (w == 1) return FindNearestNonZeroMatch(a, b, nA, nB, p, q) ? 1 : 0;
    if (w < 1 || nA < w || nB < w || m < 1 || m > w) return 0;
    const int lastA = nA - w;
    const int lastB = nB - w;
    const int tolerance = w - m;
    int mismatches = 0;
    const auto passes = [&](int cellP, int cellQ) {
        return WindowPasses(a + cellP, b + cellQ, w, tolerance, mismatches);
    };
    if (!ScanAntiDiagonals(lastA, lastB, passes, p, q)) return 0;
    const int equalCount = w - mismatches;
    if (w < kRefinedWindow) return equalCount;
    // The refinement leaves p and q alone when it returns 0.
    const int refinedCount = RefineRepeatedAnchor(a, b, lastA, lastB, w - 1, m - 1, p, q);
    return refinedCount != 0 ? refinedCount : equalCount;
}

int CountLeadingZeros(const MatchEntry* map, int n) {
    if (n < 1) return 0;
    return static_cast<int>(std::find_if(map, map + n, [](MatchEntry e) { return e != 0; }) - map);
}

int CountLeadingNonZeros(const MatchEntry* map, int n) {
    if (n < 1) return 0;
    return static_cast<int>(std::find(map, map + n, MatchEntry{0}) - map);
}

} // namespace varnex
