// RefineRepeatedAnchor with the occurrences of the anchor's first key taken from key indexes.
#pragma once

#include "engine/match/KeyPositions.h"
#include "engine/match/Matcher.h"

namespace varnex {

// Where the candidates for a pattern's occurrences in one sequence come from: with an index
// (span 1) of the whole sequence, only the positions of the pattern's first key are tested, and
// `from` is where the searched stretch starts in that sequence; without one, every position.
struct OccurrenceLookup {
    const KeyPositions* keys = nullptr;
    int from = 0;
};

// Same result as RefineRepeatedAnchor(a, b, limitA, limitB, w, m, p, q).
int RefineRepeatedAnchor(const MatchKey* a, const MatchKey* b, int limitA, int limitB, int w, int m,
                         int& p, int& q, const OccurrenceLookup& inA, const OccurrenceLookup& inB);

} // namespace varnex
