// Candidate partners for tolerant windows, found through the keys a passing pair must share.
#pragma once

#include "engine/match/KeyPositions.h"
#include "engine/match/Matcher.h"

#include <cstdint>
#include <span>
#include <vector>

namespace varnex {

// Two windows of w keys that pass with at most `tolerance` unequal inner keys (1 .. w-2) share
// their first and last key and, by pigeonhole, every key of at least one of tolerance + 1 inner
// parts. Each part indexes b's windows by those pinned keys (hashed), and each window of a is
// looked up once, so a search asks for a start's candidates without hashing again. Over a small
// alphabet the first and last key alone leave about a 36th of b for every window; a pinned part
// leaves a handful.
class PinnedWindowIndex {
public:
    PinnedWindowIndex() = default;
    PinnedWindowIndex(const MatchKey* a, int nA, const MatchKey* b, int nB, int w, int tolerance);

    // Replaces the index with the one the constructor of the same arguments makes, in the memory
    // of the last build.
    void Rebuild(const MatchKey* a, int nA, const MatchKey* b, int nB, int w, int tolerance);

    int PartCount() const { return static_cast<int>(parts_.size()); }
    // The ascending starts in b of the windows that share part `part`'s pinned keys with a's
    // window at `aStart` (a hash collision may add others; callers test each one).
    std::span<const int> Candidates(int aStart, int part) const;
    // The ascending starts in a of the windows with a candidate in some part: a search need visit
    // no other row, and over unrelated text few windows of the longer rules have one.
    std::span<const int> RowsWithCandidates() const { return rowsWithCandidates_; }

    // Inner keys [from, to) of a window.
    struct PartRange {
        int from;
        int to;
    };

private:
    // One part's index of b's windows by its pinned keys.
    struct Part {
        KeyPositions inB;
        std::vector<int> groupOfA; // each a window's group in inB, or -1
    };

    void IndexPart(Part& part, const MatchKey* a, int nA, const MatchKey* b, int nB,
                   PartRange inner);
    void ListRowsWithCandidates(int windowsOfA);
    const std::vector<std::uint64_t>& PinnedKeys(const MatchKey* x, int n, PartRange inner);

    int w_ = 0;
    std::vector<Part> parts_;
    std::vector<int> rowsWithCandidates_;
    std::vector<std::uint64_t> keys_; // PinnedKeys' result, kept for its memory
};

// Asked once per row and part of a search, so defined where the search can inline it.
inline std::span<const int> PinnedWindowIndex::Candidates(int aStart, int part) const {
    const Part& chosen = parts_[static_cast<std::size_t>(part)];
    const int group = chosen.groupOfA[static_cast<std::size_t>(aStart)];
    if (group < 0) return {};
    return chosen.inB.GroupStarts(group);
}

} // namespace varnex
