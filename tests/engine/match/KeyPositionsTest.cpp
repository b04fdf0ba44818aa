// The index of window starts by first and last key, against a plain search.
#include "engine/match/KeyPositions.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <utility>
#include <vector>

namespace varnex {
namespace {

std::vector<int> AsVector(std::span<const int> starts) {
    return {starts.begin(), starts.end()};
}

TEST(KeyPositions, GroupsSingleKeysAndWindowEndsInRisingOrder) {
    const std::vector<MatchKey> keys{5, 7, 5, 5, 9, 7, 5};
    const KeyPositions single(keys.data(), static_cast<int>(keys.size()), 1);
    EXPECT_EQ(AsVector(single.Starts(5, 5)), (std::vector<int>{0, 2, 3, 6}));
    EXPECT_EQ(AsVector(single.Starts(7, 7)), (std::vector<int>{1, 5}));
    EXPECT_TRUE(single.Starts(8, 8).empty());
    EXPECT_TRUE(single.Starts(5, 7).empty());

    const KeyPositions windows(keys.data(), static_cast<int>(keys.size()), 3);
    // Windows 0..4: (5,5) (7,5) (5,9) (5,7) (9,5).
    EXPECT_EQ(AsVector(windows.Starts(5, 5)), (std::vector<int>{0}));
    EXPECT_EQ(AsVector(windows.Starts(5, 7)), (std::vector<int>{3}));
    EXPECT_TRUE(windows.Starts(7, 5).size() == 1 && windows.Starts(7, 5)[0] == 1);
    EXPECT_EQ(AsVector(StartsBetween(single.Starts(5, 5), 1, 6)), (std::vector<int>{2, 3}));

    const KeyPositions tooLong(keys.data(), static_cast<int>(keys.size()), 8);
    EXPECT_TRUE(tooLong.Starts(5, 5).empty());
}

// Keys that differ only in their high bits, or only in the first or only in the last key, must
// still land in their own groups.
TEST(KeyPositions, ManyKeysWithSimilarBitsMatchAPlainIndex) {
    std::mt19937 rng(11);
    std::vector<MatchKey> keys(60000);
    for (auto& key : keys)
        key = static_cast<MatchKey>(rng() % 4000) << (rng() % 2 ? 20 : 0);
    for (const int span : {1, 2, 5}) {
        const KeyPositions index(keys.data(), static_cast<int>(keys.size()), span);
        std::map<std::pair<MatchKey, MatchKey>, std::vector<int>> plain;
        for (int r = 0; r + span <= static_cast<int>(keys.size()); ++r)
            plain[{keys[r], keys[r + span - 1]}].push_back(r);
        for (const auto& [group, starts] : plain)
            ASSERT_EQ(AsVector(index.Starts(group.first, group.second)), starts) << span;
        EXPECT_TRUE(index.Starts(4001, 4001).empty()); // no key lies between 3999 and 1 << 20
    }
}

// An index rebuilt over other keys, longer or shorter, answers as one built afresh for them.
TEST(KeyPositions, RebuiltIndexAnswersAsAFreshOne) {
    struct Build {
        int n;
        int alphabet;
        int span;
    };
    const Build builds[] = {{5000, 6, 1}, {300, 3, 4}, {0, 2, 1}, {8000, 50, 2}, {40, 300, 1}};
    std::mt19937 rng(23);
    KeyPositions reused;
    for (const Build& build : builds) {
        std::vector<MatchKey> keys(static_cast<std::size_t>(build.n));
        for (auto& key : keys)
            key = static_cast<MatchKey>(rng() % static_cast<unsigned>(build.alphabet));
        reused.Rebuild(keys.data(), build.n, build.span);
        const KeyPositions fresh(keys.data(), build.n, build.span);
        for (MatchKey first = 0; first <= static_cast<MatchKey>(build.alphabet); ++first) {
            for (MatchKey last = 0; last <= static_cast<MatchKey>(build.alphabet); ++last)
                ASSERT_EQ(AsVector(reused.Starts(first, last)), AsVector(fresh.Starts(first, last)))
                    << build.n << " keys, span " << build.span << ", " << first << "/" << last;
        }
    }
}

} // namespace
} // namespace varnex
