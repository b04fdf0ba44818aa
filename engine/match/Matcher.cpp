// The matcher's divide-and-conquer walk over the two key sequences and its public searches.
#include "engine/match/Matcher.h"

#include "engine/match/AnchorSearch.h"
#include "engine/match/MatchScratch.h"

#include <algorithm>

namespace varnex {

namespace {

int MinimumEqualCount(int w) {
    return w >= kTolerantWindow ? w - 1 : w;
}

// Searches with window w, halving it while nothing is found; false once w has run down to 0.
bool FindAnchor(AnchorSearch& search, const Stretch& s, int& w, int& p, int& q) {
    for (; w > 0; w /= 2) {
        const bool found = w > 1 ? search.NearestWindow(s, w, MinimumEqualCount(w), p, q) > 0
                                 : search.NearestMatch(s, true, p, q);
        if (found) return true;
    }
    return false;
}

// Records the equal positions of the accepted window at A index p, B index q; unequal ones stay
// unmatched.
void RecordWindow(const AnchorSearch& search, int w, int p, int q, int offsetB, MatchEntry* map) {
    for (int k = 0; k < w; ++k) {
        if (search.A()[p + k] == search.B()[q + k])
            map[p + k] = static_cast<MatchEntry>(q + k + offsetB);
    }
}

// Matches the stretch s; map and offsetB belong to the whole sequences. The walk after an anchor
// is a loop rather than a tail call, so the stack holds at most one frame per halving of the
// window (the part before an anchor is matched with half the window).
void MatchStretch(AnchorSearch& search, Stretch s, int offsetB, MatchEntry* map, int window) {
    int p = 0;
    int q = 0;
    while (FindAnchor(search, s, window, p, q)) {
        // With a single key the scan order leaves no equal pair above and left of the hit.
        if (p > 0 && q > 0 && window > 1)
            MatchStretch(search, Stretch{s.aFrom, p, s.bFrom, q}, offsetB, map, window / 2);
        RecordWindow(search, window, s.aFrom + p, s.bFrom + q, offsetB, map);
        p += window;
        q += window;
        if (p >= s.nA || q >= s.nB) return;
        s = Stretch{s.aFrom + p, s.nA - p, s.bFrom + q, s.nB - q};
    }
}

} // namespace

// A's offset does not affect any recorded entry.
void MatchSequences(const MatchKey* a, int nA, int /*offsetA*/, const MatchKey* b, int nB,
                    int offsetB, MatchEntry* map, int window) {
    MatchScratch scratch;
    MatchSequencesReusing(scratch, a, nA, b, nB, offsetB, map, window);
}

// One search object serves the whole walk, so its key indexes are built at most once per call.
void MatchSequencesReusing(MatchScratch& scratch, const MatchKey* a, int nA, const MatchKey* b,
                           int nB, int offsetB, MatchEntry* map, int window) {
    AnchorSearch search(a, nA, b, nB, scratch);
    // Below 1 the window counts as 1; a window of 0 would otherwise never advance.
    MatchStretch(search, Stretch{0, nA, 0, nB}, offsetB, map, std::max(window, 1));
}

bool FindNearestMatch(const MatchKey* a, const MatchKey* b, int nA, int nB, int& p, int& q) {
    MatchScratch scratch;
    return AnchorSearch(a, nA, b, nB, scratch).NearestMatch(Stretch{0, nA, 0, nB}, true, p, q);
}

bool FindNearestNonZeroMatch(const MatchKey* a, const MatchKey* b, int nA, int nB, int& p, int& q) {
    MatchScratch scratch;
    return AnchorSearch(a, nA, b, nB, scratch).NearestMatch(Stretch{0, nA, 0, nB}, false, p, q);
}

int FindNearestWindow(const MatchKey* a, const MatchKey* b, int nA, int nB, int w, int m, int& p,
                      int& q) {
    MatchScratch scratch;
    return AnchorSearch(a, nA, b, nB, scratch).NearestWindow(Stretch{0, nA, 0, nB}, w, m, p, q);
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
