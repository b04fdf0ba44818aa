// The anchor search's indexes, kept with their memory from one match to the next.
#pragma once

#include "engine/match/KeyPositions.h"
#include "engine/match/Matcher.h"
#include "engine/match/PinnedWindowIndex.h"

#include <deque>

namespace varnex {

// A compare of many changed blocks matches each block on its own; building every block's indexes
// in the memory of the last one's spares the allocations and page faults that fresh indexes
// cost. One scratch serves one match at a time.
class MatchScratch {
public:
    // Starts a match of a[0..nA) with b[0..nB): every index is out of date, its memory kept.
    void Start(const MatchKey* a, int nA, const MatchKey* b, int nB);

    // The index for windows of w keys with at most `tolerance` unequal inner keys, built on the
    // first ask of the match.
    const PinnedWindowIndex& PinnedWindows(int w, int tolerance);
    // The single keys' positions in a and in b, built on the first ask of the match.
    const KeyPositions& KeysInA();
    const KeyPositions& KeysInB();

private:
    struct RuleIndex {
        int w;
        int tolerance;
        bool current;
        PinnedWindowIndex index;
    };
    struct KeyIndex {
        bool current = false;
        KeyPositions positions;
    };

    const KeyPositions& CurrentKeys(KeyIndex& keys, const MatchKey* x, int n);

    const MatchKey* a_ = nullptr;
    int nA_ = 0;
    const MatchKey* b_ = nullptr;
    int nB_ = 0;
    // A handful of window rules, looked through in turn; a deque keeps the indexes handed out
    // in place while a new rule is added.
    std::deque<RuleIndex> pinned_;
    KeyIndex keysInA_;
    KeyIndex keysInB_;
};

} // namespace varnex
