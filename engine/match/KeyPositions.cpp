// Builds and queries the index of window starts by first and last key.
#include "engine/match/KeyPositions.h"

#include <algorithm>

namespace varnex {

namespace {

std::uint64_t GroupOf(MatchKey first, MatchKey last) {
    return (static_cast<std::uint64_t>(first) << 32) | last;
}

} // namespace

KeyPositions::KeyPositions(const MatchKey* x, int n, int span) : span_(span) {
    for (int r = 0; r + span <= n; ++r)
        starts_[GroupOf(x[r], x[r + span - 1])].push_back(r);
}

std::span<const int> KeyPositions::Starts(MatchKey first, MatchKey last) const {
    const auto group = starts_.find(GroupOf(first, last));
    if (group == starts_.end()) return {};
    return group->second;
}

std::span<const int> StartsBetween(std::span<const int> starts, int from, int to) {
    const auto begin = std::lower_bound(starts.begin(), starts.end(), from);
    const auto end = std::lower_bound(begin, starts.end(), std::max(from, to));
    return {begin, end};
}

} // namespace varnex
