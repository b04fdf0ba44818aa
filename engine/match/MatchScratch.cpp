// Rebuilds the anchor search's indexes in place, once per match and window rule.
#include "engine/match/MatchScratch.h"

#include <algorithm>

namespace varnex {

void MatchScratch::Start(const MatchKey* a, int nA, const MatchKey* b, int nB) {
    a_ = a;
    nA_ = nA;
    b_ = b;
    nB_ = nB;
    for (RuleIndex& rule : pinned_)
        rule.current = false;
    keysInA_.current = false;
    keysInB_.current = false;
}

const PinnedWindowIndex& MatchScratch::PinnedWindows(int w, int tolerance) {
    auto rule = std::find_if(pinned_.begin(), pinned_.end(), [&](const RuleIndex& r) {
        return r.w == w && r.tolerance == tolerance;
    });
    if (rule == pinned_.end())
        rule = pinned_.insert(pinned_.end(), RuleIndex{w, tolerance, false, {}});
    if (!rule->current) {
        rule->index.Rebuild(a_, nA_, b_, nB_, w, tolerance);
        rule->current = true;
    }
    return rule->index;
}

const KeyPositions& MatchScratch::KeysInA() {
    return CurrentKeys(keysInA_, a_, nA_);
}

const KeyPositions& MatchScratch::KeysInB() {
    return CurrentKeys(keysInB_, b_, nB_);
}

const KeyPositions& MatchScratch::CurrentKeys(KeyIndex& keys, const MatchKey* x, int n) {
    if (!keys.current) {
        keys.positions.Rebuild(x, n, 1);
        keys.current = true;
    }
    return keys.positions;
}

} // namespace varnex
