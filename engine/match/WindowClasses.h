// The windows of one length in a key sequence, grouped by content.
#pragma once

#include "engine/match/Matcher.h"

#include <cstdint>
#include <span>
#include <unordered_map>
#include <vector>

namespace varnex {

// Equal windows of w keys in b get the same class number. In repetitive files thousands of
// windows share a first and a last key but only a few contents, so the anchor search can test a
// content once instead of every window that has it.
class WindowClasses {
public:
    WindowClasses(const MatchKey* b, int nB, int w);

    // The ascending starts in b of the windows of class c.
    std::span<const int> StartsInB(int c) const;
    // The classes with windows in b whose first key is `first` and last key is `last`.
    std::span<const int> ClassesInB(MatchKey first, MatchKey last) const;
    // A window of class c.
    const MatchKey* Content(int c) const { return content_[static_cast<std::size_t>(c)]; }

private:
    void Classify(const MatchKey* b, int nB);
    int ClassOf(const MatchKey* window, std::uint64_t hash);
    void IndexStarts();

    int w_;
    std::vector<const MatchKey*> content_; // a window of each class
    std::unordered_map<std::uint64_t, int> firstWithHash_;
    std::vector<int> nextWithHash_; // classes whose content hashes alike, chained
    std::vector<int> classOfB_;
    std::vector<int> bBegin_; // class c's starts in b are bStarts_[bBegin_[c] .. [c + 1])
    std::vector<int> bStarts_;
    // The classes found in b, in the order of their first and last keys, and those keys.
    std::vector<int> bClasses_;
    std::vector<std::uint64_t> bClassEnds_;
};

} // namespace varnex
