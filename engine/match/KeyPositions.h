// An index of where each window's first and last key occur in a key sequence.
#pragma once

#include "engine/match/Matcher.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

namespace varnex {

// The starts r of the windows of `span` keys in x[0..n), grouped by the keys x[r] and
// x[r + span - 1] and ascending within a group; with a span of 1 a group is one key's positions.
// Flat arrays rather than a map of vectors: a 65 000-line file would otherwise allocate once per
// distinct line.
// Rebuilding an index keeps its memory, so one that is rebuilt for every block of a compare does
// not allocate afresh each time.
class KeyPositions {
public:
    KeyPositions() = default;
    KeyPositions(const MatchKey* x, int n, int span);
    // Starts grouped by keys the caller derived from each window, one key per start; such an
    // index is asked through FindGroup.
    explicit KeyPositions(const std::vector<std::uint64_t>& windowKeys);

    // Replaces the index with the one the constructor of the same arguments makes.
    void Rebuild(const MatchKey* x, int n, int span);
    void Rebuild(const std::vector<std::uint64_t>& windowKeys);

    // The ascending starts whose window begins with `first` and ends with `last`.
    std::span<const int> Starts(MatchKey first, MatchKey last) const;
    // The group of the starts with this key, or -1 when no start has it.
    int FindGroup(std::uint64_t key) const;
    // The ascending starts of a group FindGroup returned.
    std::span<const int> GroupStarts(int group) const;

private:
    template <class KeyOfWindow> void Build(int windows, KeyOfWindow keyOf);
    std::size_t SlotOf(std::uint64_t key) const;
    int GroupOf(std::uint64_t key);

    // Open addressing: a slot holds a group's number, or -1 when free; a power of two, at least
    // twice the windows (SlotCount). Numbers rather than keys keep the table at 4 bytes a slot.
    std::vector<int> slots_;
    std::vector<std::uint64_t> groupKeys_;
    std::vector<int> groupBegin_; // group g's starts are starts_[groupBegin_[g] .. [g + 1])
    std::vector<int> starts_;
    std::vector<int> groupOfWindow_; // kept only for its memory between builds
};

// The lookups below run once per window and row of a search, so they are defined here, where
// every caller can inline them.

inline std::size_t KeyPositions::SlotOf(std::uint64_t key) const {
    // Fibonacci hashing spreads keys that differ only in a few bits over the whole table.
    const std::size_t mask = slots_.size() - 1;
    std::size_t slot = static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> 32) & mask;
    while (slots_[slot] >= 0 && groupKeys_[static_cast<std::size_t>(slots_[slot])] != key)
        slot = (slot + 1) & mask;
    return slot;
}

inline int KeyPositions::FindGroup(std::uint64_t key) const {
    return slots_[SlotOf(key)];
}

inline std::span<const int> KeyPositions::GroupStarts(int group) const {
    const int begin = groupBegin_[static_cast<std::size_t>(group)];
    const int end = groupBegin_[static_cast<std::size_t>(group) + 1];
    return {starts_.data() + begin, starts_.data() + end};
}

// The part of the ascending `starts` that lies in [from, to).
inline std::span<const int> StartsBetween(std::span<const int> starts, int from, int to) {
    const auto begin = std::lower_bound(starts.begin(), starts.end(), from);
    const auto end = std::lower_bound(begin, starts.end(), std::max(from, to));
    return {begin, end};
}

} // namespace varnex
