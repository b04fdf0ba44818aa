// The pinned-key index must offer every window of b that passes against a window of a.
#include "engine/match/PinnedWindowIndex.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace varnex {
namespace {

std::vector<MatchKey> RandomKeys(std::mt19937& rng, int n, int alphabet) {
    std::vector<MatchKey> keys(static_cast<std::size_t>(n));
    for (auto& key : keys)
        key = static_cast<MatchKey>(rng() % static_cast<unsigned>(alphabet));
    return keys;
}

// Random keys, then a copy of a's keys with about one in twenty changed, so that long
// windows pass too, some with an unequal inner key.
std::vector<MatchKey> EditedCopy(std::mt19937& rng, const std::vector<MatchKey>& a, int alphabet) {
    std::vector<MatchKey> b = RandomKeys(rng, 10, alphabet);
    for (const MatchKey key : a)
        b.push_back(rng() % 20 == 0 ? static_cast<MatchKey>(alphabet) : key);
    return b;
}

// The anchor rule on the keys alone: equal first and last key, few unequal inner keys.
bool Passes(const MatchKey* a, const MatchKey* b, int w, int tolerance) {
    if (a[0] != b[0] || a[w - 1] != b[w - 1]) return false;
    int mismatches = 0;
    for (int k = 1; k < w - 1; ++k)
        mismatches += a[k] != b[k] ? 1 : 0;
    return mismatches <= tolerance;
}

bool Offered(const PinnedWindowIndex& index, int r, int t) {
    for (int part = 0; part < index.PartCount(); ++part) {
        const std::span<const int> starts = index.Candidates(r, part);
        if (!std::is_sorted(starts.begin(), starts.end())) return false;
        if (std::binary_search(starts.begin(), starts.end(), t)) return true;
    }
    return false;
}

// Windows from one key to longer than the sides, tolerances up to more than the inner keys.
TEST(PinnedWindowIndex, OffersEveryPassingWindow) {
    struct Rule {
        int w;
        int tolerance;
        int alphabet;
    };
    const Rule rules[] = {{1, 0, 3}, {2, 0, 2}, {3, 1, 2},  {4, 0, 3},  {5, 2, 2},  {8, 1, 2},
                          {8, 1, 5}, {9, 3, 2}, {16, 1, 2}, {16, 1, 3}, {16, 0, 2}, {70, 1, 2}};
    std::mt19937 rng(4096);
    for (const Rule& rule : rules) {
        const std::vector<MatchKey> a = RandomKeys(rng, 60, rule.alphabet);
        const std::vector<MatchKey> b = EditedCopy(rng, a, rule.alphabet);
        const int nB = static_cast<int>(b.size());
        const PinnedWindowIndex index(a.data(), 60, b.data(), nB, rule.w, rule.tolerance);
        int passing = 0;
        for (int r = 0; r + rule.w <= 60; ++r) {
            for (int t = 0; t + rule.w <= nB; ++t) {
                if (!Passes(&a[r], &b[t], rule.w, rule.tolerance)) continue;
                ++passing;
                ASSERT_TRUE(Offered(index, r, t)) << "w " << rule.w << " tolerance "
                                                  << rule.tolerance << " cell " << r << "," << t;
            }
        }
        if (rule.w <= 60) {
            EXPECT_GT(passing, 0) << "w " << rule.w;
        }
    }
}

// Over a small alphabet a pinned part narrows b's windows far below the first and last key.
TEST(PinnedWindowIndex, OffersFewCandidatesOverASmallAlphabet) {
    std::mt19937 rng(7);
    const std::vector<MatchKey> a = RandomKeys(rng, 4000, 6);
    const std::vector<MatchKey> b = RandomKeys(rng, 4000, 6);
    const PinnedWindowIndex index(a.data(), 4000, b.data(), 4000, 16, 1);
    ASSERT_EQ(index.PartCount(), 2);
    std::size_t offered = 0;
    for (int r = 0; r + 16 <= 4000; ++r)
        offered += index.Candidates(r, 0).size() + index.Candidates(r, 1).size();
    EXPECT_LT(offered, std::size_t{4000});
}

// Rebuilt for other sides and another rule, with more parts or fewer, an index offers what a
// fresh one offers, and lists exactly the rows of a that have a candidate in some part, which
// are all a search visits; a rebuild over fewer windows drops the rows past them.
TEST(PinnedWindowIndex, RebuiltIndexOffersAndListsAsAFreshOne) {
    struct Build {
        int n;
        int w;
        int tolerance;
        int alphabet;
    };
    const Build builds[] = {{3000, 16, 1, 3}, {2000, 16, 1, 40}, {200, 4, 0, 3}, {50, 9, 3, 2},
                            {4000, 2, 0, 3},  {10, 16, 1, 3},    {0, 4, 0, 3}};
    std::mt19937 rng(99);
    PinnedWindowIndex reused;
    for (const Build& build : builds) {
        const std::vector<MatchKey> a = RandomKeys(rng, build.n, build.alphabet);
        const std::vector<MatchKey> b = build.alphabet > 3
                                            ? RandomKeys(rng, build.n, build.alphabet)
                                            : EditedCopy(rng, a, build.alphabet);
        const int nB = static_cast<int>(b.size());
        reused.Rebuild(a.data(), build.n, b.data(), nB, build.w, build.tolerance);
        const PinnedWindowIndex fresh(a.data(), build.n, b.data(), nB, build.w, build.tolerance);
        ASSERT_EQ(reused.PartCount(), fresh.PartCount()) << "w " << build.w;
        std::vector<int> offered;
        for (int r = 0; r + build.w <= build.n; ++r) {
            bool any = false;
            for (int part = 0; part < fresh.PartCount(); ++part) {
                const std::span<const int> got = reused.Candidates(r, part);
                const std::span<const int> want = fresh.Candidates(r, part);
                ASSERT_TRUE(std::equal(got.begin(), got.end(), want.begin(), want.end()))
                    << "w " << build.w << " window " << r << " part " << part;
                any = any || !want.empty();
            }
            if (any) offered.push_back(r);
        }
        const std::span<const int> listed = reused.RowsWithCandidates();
        EXPECT_TRUE(std::equal(listed.begin(), listed.end(), offered.begin(), offered.end()))
            << "n " << build.n << " w " << build.w << ": " << listed.size() << " listed, "
            << offered.size() << " offered";
    }
}

} // namespace
} // namespace varnex
