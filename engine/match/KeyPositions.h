// An index of where each window's first and last key occur in a key sequence.
#pragma once

#include "engine/match/Matcher.h"

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
    // twice the windows. Numbers rather than keys keep the table at 4 bytes a slot.
    std::vector<int> slots_;
    std::vector<std::uint64_t> groupKeys_;
    std::vector<int> groupBegin_; // group g's starts are starts_[groupBegin_[g] .. [g + 1])
    std::vector<int> starts_;
    std::vector<int> groupOfWindow_; // kept only for its memory between builds
};

// The part of the ascending `starts` that lies in [from, to).
std::span<const int> StartsBetween(std::span<const int> starts, int from, int to);

} // namespace varnex
