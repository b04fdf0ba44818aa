// Builds and queries the index of window starts by first and last key.
#include "engine/match/KeyPositions.h"

#include <algorithm>
#include <bit>

namespace varnex {

namespace {

std::uint64_t GroupKey(MatchKey first, MatchKey last) {
    return (static_cast<std::uint64_t>(first) << 32) | last;
}

} // namespace

KeyPositions::KeyPositions(const MatchKey* x, int n, int span) : span_(span) {
    const int windows = std::max(n - span + 1, 0);
    slots_.assign(std::bit_ceil(static_cast<std::size_t>(windows) * 2 + 2), -1);
    // First pass: number the groups and count their members; second: place the starts.
    std::vector<int> groupOfWindow(static_cast<std::size_t>(windows));
    std::vector<int> counts;
    for (int r = 0; r < windows; ++r) {
        const int group = GroupOf(GroupKey(x[r], x[r + span - 1]));
        if (group == static_cast<int>(counts.size())) counts.push_back(0);
        ++counts[static_cast<std::size_t>(group)];
        groupOfWindow[static_cast<std::size_t>(r)] = group;
    }
    const std::size_t groupCount = groupKeys_.size();
    groupBegin_.resize(groupCount + 1);
    groupBegin_[0] = 0;
    for (std::size_t g = 0; g < groupCount; ++g)
        groupBegin_[g + 1] = groupBegin_[g] + counts[g];
    std::vector<int> next(groupBegin_.begin(), groupBegin_.end() - 1);
    starts_.resize(static_cast<std::size_t>(windows));
    for (int r = 0; r < windows; ++r)
        starts_[static_cast<std::size_t>(next[groupOfWindow[r]]++)] = r;
}

std::size_t KeyPositions::SlotOf(std::uint64_t key) const {
    // Fibonacci hashing spreads keys that differ only in a few bits over the whole table.
    const std::size_t mask = slots_.size() - 1;
    std::size_t slot = static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> 32) & mask;
    while (slots_[slot] >= 0 && groupKeys_[static_cast<std::size_t>(slots_[slot])] != key)
        slot = (slot + 1) & mask;
    return slot;
}

int KeyPositions::GroupOf(std::uint64_t key) {
    int& slot = slots_[SlotOf(key)];
    if (slot < 0) {
        slot = static_cast<int>(groupKeys_.size());
        groupKeys_.push_back(key);
    }
    return slot;
}

std::span<const int> KeyPositions::Starts(MatchKey first, MatchKey last) const {
    const int group = slots_[SlotOf(GroupKey(first, last))];
    if (group < 0) return {};
    const int begin = groupBegin_[static_cast<std::size_t>(group)];
    const int end = groupBegin_[static_cast<std::size_t>(group) + 1];
    return {starts_.data() + begin, starts_.data() + end};
}

std::span<const int> StartsBetween(std::span<const int> starts, int from, int to) {
    const auto begin = std::lower_bound(starts.begin(), starts.end(), from);
    const auto end = std::lower_bound(begin, starts.end(), std::max(from, to));
    return {begin, end};
}

} // namespace varnex
