// Greedy nearest-anchor matching of two key sequences into a MatchMap.
#pragma once

#include <cstdint>

namespace varnex {

using MatchKey = std::uint32_t;
// One entry per left element: the partner's index plus the caller's offset, or 0.
using MatchEntry = std::uint16_t;

void MatchSequences(const MatchKey* a, int nA, int offsetA, const MatchKey* b, int nB,
                    int offsetB, MatchEntry* map, int window);
bool FindNearestMatch(const MatchKey* a, const MatchKey* b, int nA, int nB, int& p, int& q);
bool FindNearestNonZeroMatch(const MatchKey* a, const MatchKey* b, int nA, int nB, int& p,
                             int& q);
int FindNearestWindow(const MatchKey* a, const MatchKey* b, int nA, int nB, int w, int m, int& p,
                      int& q);
int RefineRepeatedAnchor(const MatchKey* a, const MatchKey* b, int limitA, int limitB, int w,
                         int m, int& p, int& q);
int CountLeadingZeros(const MatchEntry* map, int n);
int CountLeadingNonZeros(const MatchEntry* map, int n);

} // namespace varnex
