// Builds and queries the index of window starts by first and last key.
#include "engine/match/KeyPositions.h"

#include <algorithm>
#include <bit>

namespace varnex {

namespace {

// Tables up to this many slots stay in the caches, so they are kept sparse.
constexpr std::size_t kSparseSlots = std::size_t{1} << 16;

// A power of two, at least twice the windows; a small table gets up to eight slots a window,
// since every probe past the first costs a likely mispredicted branch, and the character blocks
// build several small tables each.
std::size_t SlotCount(int windows) {
    const auto n = static_cast<std::size_t>(windows);
    return std::bit_ceil(std::max(n * 2 + 2, std::min(n * 8 + 2, kSparseSlots)));
}

std::uint64_t GroupKey(MatchKey first, MatchKey last) {
    return (static_cast<std::uint64_t>(first) << 32) | last;
}

} // namespace

KeyPositions::KeyPositions(const MatchKey* x, int n, int span) {
    Rebuild(x, n, span);
}

KeyPositions::KeyPositions(const std::vector<std::uint64_t>& windowKeys) {
    Rebuild(windowKeys);
}

void KeyPositions::Rebuild(const MatchKey* x, int n, int span) {
    Build(std::max(n - span + 1, 0), [&](int r) { return GroupKey(x[r], x[r + span - 1]); });
}

void KeyPositions::Rebuild(const std::vector<std::uint64_t>& windowKeys) {
    Build(static_cast<int>(windowKeys.size()),
          [&](int r) { return windowKeys[static_cast<std::size_t>(r)]; });
}

template <class KeyOfWindow> void KeyPositions::Build(int windows, KeyOfWindow keyOf) {
    slots_.assign(SlotCount(windows), -1);
    groupKeys_.clear();
    groupBegin_.clear();
    // A counting sort: each window's group is looked up once and kept, the counts turned into
    // group ends, then the starts placed from the last one down, which leaves every group's
    // entry at its beginning.
    groupOfWindow_.resize(static_cast<std::size_t>(windows));
    for (int r = 0; r < windows; ++r) {
        const int group = GroupOf(keyOf(r));
        groupOfWindow_[static_cast<std::size_t>(r)] = group;
        ++groupBegin_[static_cast<std::size_t>(group)];
    }
    for (std::size_t g = 1; g < groupBegin_.size(); ++g)
        groupBegin_[g] += groupBegin_[g - 1];
    starts_.resize(static_cast<std::size_t>(windows));
    for (int r = windows - 1; r >= 0; --r) {
        const auto group = static_cast<std::size_t>(groupOfWindow_[static_cast<std::size_t>(r)]);
        starts_[static_cast<std::size_t>(--groupBegin_[group])] = r;
    }
    groupBegin_.push_back(windows);
}

// Asked once per window of every build, so inlined into Build's loop.
inline int KeyPositions::GroupOf(std::uint64_t key) {
    int& slot = slots_[SlotOf(key)];
    if (slot < 0) {
        slot = static_cast<int>(groupKeys_.size());
        groupKeys_.push_back(key);
        groupBegin_.push_back(0);
    }
    return slot;
}

std::span<const int> KeyPositions::Starts(MatchKey first, MatchKey last) const {
    const int group = FindGroup(GroupKey(first, last));
    if (group < 0) return {};
    return GroupStarts(group);
}

} // namespace varnex
