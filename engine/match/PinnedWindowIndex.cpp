// Builds the per-part indexes of pinned keys and answers a window's candidates.
#include "engine/match/PinnedWindowIndex.h"

#include <algorithm>

namespace varnex {

namespace {

constexpr std::uint64_t kHashBase = 0x100000001B3ull;

using PartRange = PinnedWindowIndex::PartRange;

// tolerance + 1 inner parts when each can hold a key; otherwise no inner key is certain to be
// shared and the one part pins only the first and the last key.
std::vector<PartRange> SplitInner(int w, int tolerance) {
    const int inner = std::max(w - 2, 0);
    const int parts = tolerance + 1;
    if (parts > inner) return {PartRange{1, 1}};
    std::vector<PartRange> ranges;
    for (int k = 0; k < parts; ++k)
        ranges.push_back(PartRange{1 + k * inner / parts, 1 + (k + 1) * inner / parts});
    return ranges;
}

} // namespace

PinnedWindowIndex::PinnedWindowIndex(const MatchKey* a, int nA, const MatchKey* b, int nB, int w,
                                     int tolerance) {
    Rebuild(a, nA, b, nB, w, tolerance);
}

void PinnedWindowIndex::Rebuild(const MatchKey* a, int nA, const MatchKey* b, int nB, int w,
                                int tolerance) {
    w_ = w;
    const std::vector<PartRange> ranges = SplitInner(w, tolerance);
    parts_.resize(ranges.size());
    for (std::size_t k = 0; k < ranges.size(); ++k)
        IndexPart(parts_[k], a, nA, b, nB, ranges[k]);
    ListRowsWithCandidates(std::max(nA - w + 1, 0));
}

// Written without a branch per row: every row is stored and the count advanced only past
// offered ones, since whether a row is offered is close to a coin toss for the shorter rules.
void PinnedWindowIndex::ListRowsWithCandidates(int windowsOfA) {
    rowsWithCandidates_.resize(static_cast<std::size_t>(windowsOfA));
    std::size_t listed = 0;
    for (int r = 0; r < windowsOfA; ++r) {
        int highestGroup = -1;
        for (const Part& part : parts_)
            highestGroup = std::max(highestGroup, part.groupOfA[static_cast<std::size_t>(r)]);
        rowsWithCandidates_[listed] = r;
        listed += highestGroup >= 0 ? 1 : 0;
    }
    rowsWithCandidates_.resize(listed);
}

void PinnedWindowIndex::IndexPart(Part& part, const MatchKey* a, int nA, const MatchKey* b, int nB,
                                  PartRange inner) {
    part.inB.Rebuild(PinnedKeys(b, nB, inner));
    const std::vector<std::uint64_t>& keysOfA = PinnedKeys(a, nA, inner);
    part.groupOfA.resize(keysOfA.size());
    for (std::size_t r = 0; r < keysOfA.size(); ++r)
        part.groupOfA[r] = part.inB.FindGroup(keysOfA[r]);
}

// Each window's key is its first and last key followed by the inner keys of the part, as a
// polynomial in kHashBase. The inner keys' hash rolls from one window to the next (the leaving
// key taken out at its power, the entering one added), so a window costs the same whatever the
// part's length.
const std::vector<std::uint64_t>& PinnedWindowIndex::PinnedKeys(const MatchKey* x, int n,
                                                                PartRange inner) {
    keys_.resize(static_cast<std::size_t>(std::max(n - w_ + 1, 0)));
    if (keys_.empty()) return keys_;
    std::uint64_t power = 1; // kHashBase to the part's length
    std::uint64_t innerHash = 0;
    for (int k = inner.from; k < inner.to; ++k) {
        innerHash = innerHash * kHashBase + x[k];
        power *= kHashBase;
    }
    for (std::size_t r = 0;; ++r) {
        const MatchKey* window = x + r;
        const std::uint64_t ends = (static_cast<std::uint64_t>(window[0]) << 32) | window[w_ - 1];
        keys_[r] = ends * power + innerHash;
        if (r + 1 == keys_.size()) return keys_;
        innerHash = innerHash * kHashBase - window[inner.from] * power + window[inner.to];
    }
}

} // namespace varnex
