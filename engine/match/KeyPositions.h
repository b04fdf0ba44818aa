// An index of where each window's first and last key occur in a key sequence.
#pragma once

#include "engine/match/Matcher.h"

#include <cstdint>
#include <span>
#include <unordered_map>
#include <vector>

namespace varnex {

// The starts r of the windows of `span` keys in x[0..n), grouped by the keys x[r] and
// x[r + span - 1] and ascending within a group; with a span of 1 a group is one key's positions.
class KeyPositions {
public:
    KeyPositions(const MatchKey* x, int n, int span);

    // The ascending starts whose window begins with `first` and ends with `last`.
    std::span<const int> Starts(MatchKey first, MatchKey last) const;
    // The ascending starts whose window has the same first and last key as the one at `window`.
    std::span<const int> StartsLike(const MatchKey* window) const {
        return Starts(window[0], window[span_ - 1]);
    }

private:
    int span_;
    std::unordered_map<std::uint64_t, std::vector<int>> starts_;
};

// The part of the ascending `starts` that lies in [from, to).
std::span<const int> StartsBetween(std::span<const int> starts, int from, int to);

} // namespace varnex
