// Helpers shared by the matcher tests: the two implementations side by side, key sequences
// and a MatchMap built the way callers build it.
#pragma once

#include "engine/match/AntiDiagonalScan.h"
#include "engine/match/Matcher.h"
#include "tests/engine/match/MatcherOracle.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace varnex::matchertest {

using Keys = std::vector<MatchKey>;
using Map = std::vector<MatchEntry>;

// One implementation of the matcher's interface: the engine's or the reference's.
struct MatcherImpl {
    const char* name;
    decltype(&varnex::MatchSequences) matchSequences;
    decltype(&varnex::FindNearestMatch) findNearestMatch;
    decltype(&varnex::FindNearestNonZeroMatch) findNearestNonZeroMatch;
    decltype(&varnex::FindNearestWindow) findNearestWindow;
    decltype(&varnex::RefineRepeatedAnchor) refineRepeatedAnchor;
    decltype(&varnex::CountLeadingZeros) countLeadingZeros;
    decltype(&varnex::CountLeadingNonZeros) countLeadingNonZeros;
};

inline const MatcherImpl kEngine{"Engine",
                                 varnex::MatchSequences,
                                 varnex::FindNearestMatch,
                                 varnex::FindNearestNonZeroMatch,
                                 varnex::FindNearestWindow,
                                 varnex::RefineRepeatedAnchor,
                                 varnex::CountLeadingZeros,
                                 varnex::CountLeadingNonZeros};

inline const MatcherImpl kOracle{"Oracle",
                                 oracle::MatchSequences,
                                 oracle::FindNearestMatch,
                                 oracle::FindNearestNonZeroMatch,
                                 oracle::FindNearestWindow,
                                 oracle::RefineRepeatedAnchor,
                                 oracle::CountLeadingZeros,
                                 oracle::CountLeadingNonZeros};

// The offset every caller passes: map entries are 1-based B indices.
inline constexpr int kCallerOffset = 1;

// Matches a against b as callers do (zeroed map, end mark nB + 1 after the last entry) and
// returns the nA entries; the end mark must come back untouched.
inline Map Match(const MatcherImpl& impl, const Keys& a, const Keys& b, int window = kMatchWindow) {
    const int nA = static_cast<int>(a.size());
    const int nB = static_cast<int>(b.size());
    Map map(a.size() + 1, 0);
    map[a.size()] = static_cast<MatchEntry>(nB + 1);
    impl.matchSequences(a.data(), nA, kCallerOffset, b.data(), nB, kCallerOffset, map.data(),
                        window);
    EXPECT_EQ(map[a.size()], nB + 1) << "end mark overwritten";
    map.pop_back();
    return map;
}

// Keys first, first + 1, ...: distinct from each other and from other ranges.
inline Keys Distinct(MatchKey first, int n) {
    Keys keys;
    for (int i = 0; i < n; ++i)
        keys.push_back(first + static_cast<MatchKey>(i));
    return keys;
}

inline Keys Repeat(MatchKey key, int n) {
    return Keys(static_cast<std::size_t>(n), key);
}

inline Keys Concat(std::initializer_list<Keys> parts) {
    Keys all;
    for (const Keys& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

// Every cell the engine's scan visits, in its order.
inline std::vector<oracle::Cell> EngineVisitOrder(int a, int b) {
    std::vector<oracle::Cell> order;
    int p = -1;
    int q = -1;
    ScanAntiDiagonals(
        a, b,
        [&order](int cellP, int cellQ) {
            order.push_back(oracle::Cell{cellP, cellQ});
            return false;
        },
        p, q);
    return order;
}

inline std::string ImplName(const testing::TestParamInfo<const MatcherImpl*>& info) {
    return info.param->name;
}

} // namespace varnex::matchertest
