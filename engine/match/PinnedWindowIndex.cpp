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
                                     int tolerance)
    : w_(w) {
    for (const PartRange range : SplitInner(w, tolerance)) {
        Part part{KeyPositions(PinnedKeys(b, nB, range)), {}};
        const std::vector<std::uint64_t> keysOfA = PinnedKeys(a, nA, range);
        part.groupOfA.reserve(keysOfA.size());
        for (const std::uint64_t key : keysOfA)
            part.groupOfA.push_back(part.inB.FindGroup(key));
        parts_.push_back(std::move(part));
    }
}

std::span<const int> PinnedWindowIndex::Candidates(int aStart, int part) const {
    const Part& chosen = parts_[static_cast<std::size_t>(part)];
    const int group = chosen.groupOfA[static_cast<std::size_t>(aStart)];
    if (group < 0) return {};
    return chosen.inB.GroupStarts(group);
}

std::uint64_t PinnedWindowIndex::PinnedKey(const MatchKey* window, PartRange inner) const {
    std::uint64_t key = (static_cast<std::uint64_t>(window[0]) << 32) | window[w_ - 1];
    for (int k = inner.from; k < inner.to; ++k)
        key = key * kHashBase + window[k];
    return key;
}

std::vector<std::uint64_t> PinnedWindowIndex::PinnedKeys(const MatchKey* x, int n,
                                                         PartRange inner) const {
    std::vector<std::uint64_t> keys(static_cast<std::size_t>(std::max(n - w_ + 1, 0)));
    for (std::size_t r = 0; r < keys.size(); ++r)
        keys[r] = PinnedKey(x + r, inner);
    return keys;
}

} // namespace varnex
