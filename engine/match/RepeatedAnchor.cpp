// Moves the anchor of a pattern that occurs several times (e.g. closing-brace lines) so that
// occurrences are paired from the first one on rather than wherever the nearest scan hit them.
#include "engine/match/RepeatedAnchor.h"

#include <algorithm>
#include <cstdlib>
#include <span>

namespace varnex {

namespace {

// Start positions of a pattern's occurrences; further entries are dropped once it is full.
struct CandidateList {
    int size = 0;
    int start[kAnchorCandidates];

    bool Full() const { return size == kAnchorCandidates; }
    void Append(int r) {
        if (!Full()) start[size++] = r;
    }
};

// The w keys of A at the anchor, and how many of keys 1 .. w-1 may differ in an occurrence.
struct Pattern {
    const MatchKey* keys;
    int w;
    int tolerance;
};

bool CarriesPattern(const Pattern& pattern, const MatchKey* x) {
    if (x[0] != pattern.keys[0]) return false;
    int mismatches = 0;
    for (int k = 1; k < pattern.w && mismatches <= pattern.tolerance; ++k)
        mismatches += pattern.keys[k] != x[k] ? 1 : 0;
    return mismatches <= pattern.tolerance;
}

// Appends the starts r in [from, to) that carry the pattern, ascending, while there is room.
void AppendOccurrences(const Pattern& pattern, const MatchKey* x, int from, int to,
                       const OccurrenceLookup& lookup, CandidateList& list) {
    if (!lookup.keys) {
        for (int r = from; r < to && !list.Full(); ++r) {
            if (CarriesPattern(pattern, x + r)) list.Append(r);
        }
        return;
    }
    // Only positions holding the pattern's first key can carry it.
    const std::span<const int> starts =
        StartsBetween(lookup.keys->Starts(pattern.keys[0], pattern.keys[0]),
                      lookup.from + std::max(from, 0), lookup.from + to);
    for (auto start = starts.begin(); start != starts.end() && !list.Full(); ++start) {
        const int r = *start - lookup.from;
        if (CarriesPattern(pattern, x + r)) list.Append(r);
    }
}

// Occurrences clearly before the anchor's own start `own`, then `own`, then those clearly after
// it but below limit - w; occurrences overlapping the anchor are left out.
void CollectOccurrences(const Pattern& pattern, const MatchKey* x, int own, int limit,
                        const OccurrenceLookup& lookup, CandidateList& list) {
    AppendOccurrences(pattern, x, 0, own - pattern.w, lookup, list);
    list.Append(own);
    AppendOccurrences(pattern, x, own + pattern.w, limit - pattern.w, lookup, list);
}

// Of longer's entries 0 and 1 .. surplus, the one nearest target; ties go to the lowest k >= 1,
// so entry 0 wins only when it is strictly nearest.
int NearestCandidate(const CandidateList& longer, int surplus, int target) {
    int chosen = longer.start[0];
    int best = std::abs(target - chosen);
    for (int k = surplus; k >= 1; --k) {
        const int distance = std::abs(target - longer.start[k]);
        if (distance <= best) {
            chosen = longer.start[k];
            best = distance;
        }
    }
    return chosen;
}

// The first occurrence of the shorter list is paired with the first or the nearest of the
// longer's first entries; equally long lists pair first with first.
void ChoosePair(const CandidateList& listA, const CandidateList& listB, int& p, int& q) {
    p = listA.start[0];
    q = listB.start[0];
    if (listA.size < listB.size)
        q = NearestCandidate(listB, listB.size - listA.size, p);
    else if (listA.size > listB.size)
        p = NearestCandidate(listA, listA.size - listB.size, q);
}

int CountEqual(const MatchKey* a, const MatchKey* b, int n) {
    int equal = 0;
    for (int k = 0; k < n; ++k)
        equal += a[k] == b[k] ? 1 : 0;
    return equal;
}

} // namespace

int RefineRepeatedAnchor(const MatchKey* a, const MatchKey* b, int limitA, int limitB, int w, int m,
                         int& p, int& q) {
    return RefineRepeatedAnchor(a, b, limitA, limitB, w, m, p, q, OccurrenceLookup{},
                                OccurrenceLookup{});
}

int RefineRepeatedAnchor(const MatchKey* a, const MatchKey* b, int limitA, int limitB, int w, int m,
                         int& p, int& q, const OccurrenceLookup& inA, const OccurrenceLookup& inB) {
    // The pattern is always A's keys at the anchor, also when A's own occurrences are sought.
    const Pattern pattern{a + p, w, w - m};
    CandidateList listB;
    CollectOccurrences(pattern, b, q, limitB, inB, listB);
    if (listB.size == 1) return 0;
    CandidateList listA;
    CollectOccurrences(pattern, a, p, limitA, inA, listA);
    ChoosePair(listA, listB, p, q);
    return CountEqual(a + p, b + q, w);
}

} // namespace varnex
