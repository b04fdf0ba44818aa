// Greedy nearest-anchor matching of two key sequences into a MatchMap.
#pragma once

#include <cstdint>

namespace varnex {

class MatchScratch;

using MatchKey = std::uint32_t;
// One entry per left element: the partner's index plus the caller's offset, or 0.
using MatchEntry = std::uint16_t;

// The window every caller starts MatchSequences with; it is halved (8, 4, 2, 1) while no anchor
// is found and never raised again within one chain.
inline constexpr int kMatchWindow = 16;
// Windows at least this long tolerate one unequal inner key (minimum equal count W - 1).
inline constexpr int kTolerantWindow = 8;
// Windows at least this long have their anchor moved to the first occurrence of a repeated pattern.
inline constexpr int kRefinedWindow = 10;
// Capacity of each of RefineRepeatedAnchor's two candidate lists, the occurrences of a repeated
// pattern it pairs from. Occurrences past it are dropped, which keeps the lists on the stack and
// a refinement's work bounded on repetitive files; which occurrences get paired depends on it,
// so the matcher's tests pin this value.
inline constexpr int kAnchorCandidates = 256;

// Fills map[0..nA) (zeroed by the caller) with the 1-based partners (index + offsetB) of A's
// keys in B; map[nA] is the caller's end mark and is never written. A window below 1 counts as 1.
void MatchSequences(const MatchKey* a, int nA, int offsetA, const MatchKey* b, int nB, int offsetB,
                    MatchEntry* map, int window);
// The same match, building its indexes in the memory `scratch` kept from earlier matches.
void MatchSequencesReusing(MatchScratch& scratch, const MatchKey* a, int nA, const MatchKey* b,
                           int nB, int offsetB, MatchEntry* map, int window);
// The first pair with a[p] == b[q] in anti-diagonal order (key 0 equals key 0).
bool FindNearestMatch(const MatchKey* a, const MatchKey* b, int nA, int nB, int& p, int& q);
// As FindNearestMatch, but a[p] must not be 0.
bool FindNearestNonZeroMatch(const MatchKey* a, const MatchKey* b, int nA, int nB, int& p, int& q);
// The first window of w keys with at least m equal positions, a non-zero equal first key and an
// equal last key; returns its equal count (0 = none). Windows of kRefinedWindow and more are
// passed through RefineRepeatedAnchor.
int FindNearestWindow(const MatchKey* a, const MatchKey* b, int nA, int nB, int w, int m, int& p,
                      int& q);
// Moves the anchor (p, q) of a repeated pattern to the pairing of its occurrences chosen from
// two candidate lists; returns the equal count of the w keys at the new (p, q), or 0 when p and q
// stay. Requires p <= limitA, q <= limitB, a holding limitA + w keys and b limitB + w keys.
int RefineRepeatedAnchor(const MatchKey* a, const MatchKey* b, int limitA, int limitB, int w, int m,
                         int& p, int& q);
// Number of leading 0 entries of map[0..n) (0 when n < 1).
int CountLeadingZeros(const MatchEntry* map, int n);
// Number of leading non-zero entries of map[0..n) (0 when n < 1).
int CountLeadingNonZeros(const MatchEntry* map, int n);

} // namespace varnex
