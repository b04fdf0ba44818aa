// The matcher's stated edge cases, run against both the engine and the reference implementation.
#include "engine/Limits.h"
#include "tests/engine/match/MatcherTestSupport.h"

#include <gtest/gtest.h>

#include <pthread.h>

#include <algorithm>
#include <vector>

namespace varnex::matchertest {
namespace {

using oracle::Cell;

constexpr MatchKey kX = 11;
constexpr MatchKey kY = 12;
constexpr MatchKey kZ = 13;
constexpr MatchKey kOther = 99999;

// The pattern length that the 16-key window compares in RefineRepeatedAnchor (W - 1).
constexpr int kRefineLength = kMatchWindow - 1;
constexpr int kRefineTolerated = kRefineLength - 1;

// Map entries for A[from, from + n) matched to B[to, to + n) with the callers' 1-based offset.
void ExpectRun(const Map& map, int from, int to, int n) {
    for (int k = 0; k < n; ++k)
        EXPECT_EQ(map[from + k], to + k + kCallerOffset) << "A index " << from + k;
}

void ExpectUnmatched(const Map& map, int from, int n) {
    for (int k = 0; k < n; ++k)
        EXPECT_EQ(map[from + k], 0) << "A index " << from + k;
}

Map Identity(int n) {
    Map map;
    for (int i = 0; i < n; ++i)
        map.push_back(static_cast<MatchEntry>(i + kCallerOffset));
    return map;
}

TEST(MatcherScanOrder, SingleKeysOfTwoByTwoAreVisitedCornerFirst) {
    const std::vector<Cell> expected{{0, 0}, {1, 0}, {0, 1}, {1, 1}};
    EXPECT_EQ(oracle::VisitOrder(1, 1), expected);
    EXPECT_EQ(EngineVisitOrder(1, 1), expected);
}

TEST(MatcherScanOrder, TwoByOneVisitsTheLowerCellSecond) {
    const std::vector<Cell> expected{{0, 0}, {1, 0}};
    EXPECT_EQ(oracle::VisitOrder(1, 0), expected);
    EXPECT_EQ(EngineVisitOrder(1, 0), expected);
}

TEST(MatcherScanOrder, EmptyRectangleVisitsNothing) {
    EXPECT_TRUE(oracle::VisitOrder(-1, 3).empty());
    EXPECT_TRUE(oracle::VisitOrder(3, -1).empty());
    EXPECT_TRUE(EngineVisitOrder(-1, 3).empty());
    EXPECT_TRUE(EngineVisitOrder(3, -1).empty());
}

// The reference's four steps must visit every cell once, by rising p + q, larger p first.
TEST(MatcherScanOrder, ReferenceOrderCoversTheRectangleByRisingAntiDiagonal) {
    for (int a = 0; a <= 12; ++a) {
        for (int b = 0; b <= 12; ++b) {
            const std::vector<Cell> order = oracle::VisitOrder(a, b);
            ASSERT_EQ(static_cast<int>(order.size()), (a + 1) * (b + 1)) << a << "x" << b;
            for (std::size_t i = 1; i < order.size(); ++i) {
                const Cell prev = order[i - 1];
                const Cell cell = order[i];
                const bool sameDiagonalLowerP =
                    cell.p + cell.q == prev.p + prev.q && cell.p < prev.p;
                const bool nextDiagonal = cell.p + cell.q > prev.p + prev.q;
                ASSERT_TRUE(sameDiagonalLowerP || nextDiagonal) << a << "x" << b << " at " << i;
            }
            for (const Cell cell : order)
                ASSERT_TRUE(cell.p >= 0 && cell.p <= a && cell.q >= 0 && cell.q <= b);
        }
    }
}

class MatcherEdgeTest : public testing::TestWithParam<const MatcherImpl*> {
protected:
    const MatcherImpl& impl() const { return *GetParam(); }
};

INSTANTIATE_TEST_SUITE_P(Both, MatcherEdgeTest, testing::Values(&kEngine, &kOracle), ImplName);

TEST_P(MatcherEdgeTest, SingleKeyScanReachesTheLastCellOfTwoByTwo) {
    const Keys a{kX, kY};
    const Keys b{kZ, kY};
    int p = -1;
    int q = -1;
    ASSERT_TRUE(impl().findNearestMatch(a.data(), b.data(), 2, 2, p, q));
    EXPECT_EQ(p, 1);
    EXPECT_EQ(q, 1);
    EXPECT_EQ(Match(impl(), a, b), (Map{0, 2}));
}

TEST_P(MatcherEdgeTest, LowerCellOfTheFirstDiagonalWins) {
    const Keys a{kX, kY};
    const Keys b{kY};
    int p = -1;
    int q = -1;
    ASSERT_TRUE(impl().findNearestMatch(a.data(), b.data(), 2, 1, p, q));
    EXPECT_EQ(p, 1);
    EXPECT_EQ(q, 0);
    EXPECT_EQ(Match(impl(), a, b), (Map{0, 1}));
}

TEST_P(MatcherEdgeTest, CommonTailIsFoundInTheLowerRightTriangleAndMatchedSixteenSixteenEight) {
    const Keys a = Concat({Distinct(1000, 60), Distinct(5000, 40)});
    const Keys b = Concat({Distinct(2000, 60), Distinct(5000, 40)});
    int p = -1;
    int q = -1;
    EXPECT_EQ(impl().findNearestWindow(a.data(), b.data(), 100, 100, 16, 15, p, q), 16);
    EXPECT_EQ(p, 60);
    EXPECT_EQ(q, 60);
    // After two windows of 16 only 8 keys remain: too few for 16, enough for the halved window.
    EXPECT_EQ(impl().findNearestWindow(a.data() + 92, b.data() + 92, 8, 8, 16, 15, p, q), 0);
    EXPECT_EQ(impl().findNearestWindow(a.data() + 92, b.data() + 92, 8, 8, 8, 7, p, q), 8);

    const Map map = Match(impl(), a, b);
    ExpectUnmatched(map, 0, 60);
    ExpectRun(map, 60, 60, 40);
}

TEST_P(MatcherEdgeTest, IdenticalSequencesAreAnchoredAtTheCorner) {
    const Keys keys = Distinct(1, 53); // 3 windows of 16, then 5 keys for the windows of 4 and 1
    int p = -1;
    int q = -1;
    EXPECT_EQ(impl().findNearestWindow(keys.data(), keys.data(), 53, 53, 16, 15, p, q), 16);
    EXPECT_EQ(p, 0);
    EXPECT_EQ(q, 0);
    EXPECT_EQ(Match(impl(), keys, keys), Identity(53));
}

TEST_P(MatcherEdgeTest, IdenticalSequencesStartingWithZeroAreAnchoredOneFurther) {
    const Keys keys = Concat({Keys{0}, Distinct(1, 39)});
    int p = -1;
    int q = -1;
    EXPECT_EQ(impl().findNearestWindow(keys.data(), keys.data(), 40, 40, 16, 15, p, q), 16);
    EXPECT_EQ(p, 1);
    EXPECT_EQ(q, 1);
    // The leading pair of zeros is matched by the single-key search of the part before.
    EXPECT_EQ(Match(impl(), keys, keys), Identity(40));
}

TEST_P(MatcherEdgeTest, ZeroNeverStartsAWindowLongerThanOne) {
    const Keys zeros = Repeat(0, 20);
    int p = -1;
    int q = -1;
    for (const int w : {16, 8, 4, 2})
        EXPECT_EQ(impl().findNearestWindow(zeros.data(), zeros.data(), 20, 20, w,
                                           w >= 8 ? w - 1 : w, p, q),
                  0)
            << "window " << w;
    EXPECT_EQ(impl().findNearestWindow(zeros.data(), zeros.data(), 20, 20, 1, 1, p, q), 0);
    EXPECT_FALSE(impl().findNearestNonZeroMatch(zeros.data(), zeros.data(), 20, 20, p, q));
    ASSERT_TRUE(impl().findNearestMatch(zeros.data(), zeros.data(), 20, 20, p, q));
    EXPECT_EQ(p, 0);
    EXPECT_EQ(q, 0);
    // With a window of 1 zero matches zero, so blank stretches still pair up.
    EXPECT_EQ(Match(impl(), zeros, zeros), Identity(20));
}

TEST_P(MatcherEdgeTest, ZeroInsideAnAcceptedWindowIsMatched) {
    Keys keys = Distinct(1, 16);
    keys[5] = 0;
    EXPECT_EQ(Match(impl(), keys, keys), Identity(16));
}

TEST_P(MatcherEdgeTest, OneUnequalInnerKeyIsToleratedInAWindowOfSixteen) {
    const Keys a = Distinct(1, 16);
    Keys b = a;
    b[7] = kOther;
    int p = -1;
    int q = -1;
    EXPECT_EQ(impl().findNearestWindow(a.data(), b.data(), 16, 16, 16, 15, p, q), 15);
    EXPECT_EQ(p, 0);
    EXPECT_EQ(q, 0);
    const Map map = Match(impl(), a, b);
    ExpectRun(map, 0, 0, 7);
    EXPECT_EQ(map[7], 0);
    ExpectRun(map, 8, 8, 8);
}

TEST_P(MatcherEdgeTest, UnequalFirstOrLastKeyOrTwoInnerKeysRejectAWindow) {
    const Keys a = Distinct(1, 16);
    for (const std::vector<int>& changed : {std::vector<int>{0}, {15}, {3, 9}}) {
        Keys b = a;
        for (const int k : changed)
            b[k] = kOther;
        int p = -1;
        int q = -1;
        EXPECT_EQ(impl().findNearestWindow(a.data(), b.data(), 16, 16, 16, 15, p, q), 0)
            << "changed " << changed.front();
    }
}

TEST_P(MatcherEdgeTest, OnlyWindowsOfEightAndMoreTolerateAnInnerMismatch) {
    const Keys a = Distinct(1, 8);
    Keys b = a;
    b[3] = kOther;
    int p = -1;
    int q = -1;
    EXPECT_EQ(impl().findNearestWindow(a.data(), b.data(), 8, 8, 8, 7, p, q), 7);
    EXPECT_EQ(impl().findNearestWindow(a.data(), b.data(), 4, 4, 4, 4, p, q), 0);
}

// A pattern occurring twice on both sides, where the first occurrence on one side differs in
// its last key: the scan hits the second occurrence there, the refinement pairs first with first.
struct TwiceRepeated {
    Keys pattern = Distinct(101, 16);
    Keys variant = [this] {
        Keys keys = pattern;
        keys[15] = kOther;
        return keys;
    }();
    // Variant at 5, pattern at 51; 107 keys.
    Keys variantFirst =
        Concat({Distinct(1000, 5), variant, Distinct(1100, 30), pattern, Distinct(1200, 40)});
    // Pattern at 20 and 66; 122 keys.
    Keys patternFirst =
        Concat({Distinct(2000, 20), pattern, Distinct(2100, 30), pattern, Distinct(2200, 40)});
};

TEST_P(MatcherEdgeTest, RepeatedPatternIsAnchoredFirstWithFirstWhenTheScanHitTheSecondInA) {
    const TwiceRepeated t;
    const Keys& a = t.variantFirst;
    const Keys& b = t.patternFirst;
    int p = 51; // the scan's hit: the variant cannot start a window
    int q = 20;
    EXPECT_EQ(impl().refineRepeatedAnchor(a.data(), b.data(), 107 - 16, 122 - 16, kRefineLength,
                                          kRefineTolerated, p, q),
              15);
    EXPECT_EQ(p, 5);
    EXPECT_EQ(q, 20);
    p = q = -1;
    EXPECT_EQ(impl().findNearestWindow(a.data(), b.data(), 107, 122, 16, 15, p, q), 15);
    EXPECT_EQ(p, 5);
    EXPECT_EQ(q, 20);

    const Map map = Match(impl(), a, b);
    ExpectUnmatched(map, 0, 5);
    ExpectRun(map, 5, 20, 15);
    ExpectUnmatched(map, 20, 31);
    ExpectRun(map, 51, 66, 16);
    ExpectUnmatched(map, 67, 40);
}

TEST_P(MatcherEdgeTest, RepeatedPatternIsAnchoredFirstWithFirstWhenTheScanHitTheSecondInB) {
    const TwiceRepeated t;
    const Keys& a = t.patternFirst;
    const Keys& b = t.variantFirst;
    int p = -1;
    int q = -1;
    EXPECT_EQ(impl().findNearestWindow(a.data(), b.data(), 122, 107, 16, 15, p, q), 15);
    EXPECT_EQ(p, 20);
    EXPECT_EQ(q, 5);
}

// More than 256 occurrences before the anchor in B: ListB is full before the anchor's own
// start (385) could be added, so the nearest candidate to A's 400 is the 256th occurrence.
TEST_P(MatcherEdgeTest, FullCandidateListLeavesTheAnchorsOwnStartOut) {
    const Keys a = Concat({Distinct(1000, 400), Repeat(5, 15), Keys{7}});
    const Keys b = Concat({Repeat(5, 400), Keys{7}});
    int p = 400;
    int q = 385;
    EXPECT_EQ(impl().refineRepeatedAnchor(a.data(), b.data(), 416 - 16, 401 - 16, kRefineLength,
                                          kRefineTolerated, p, q),
              15);
    EXPECT_EQ(p, 400);
    EXPECT_EQ(q, kAnchorCandidates - 1);
    p = q = -1;
    EXPECT_EQ(impl().findNearestWindow(a.data(), b.data(), 416, 401, 16, 15, p, q), 15);
    EXPECT_EQ(p, 400);
    EXPECT_EQ(q, 255);

    // The moved anchor's 16th keys (7 and 5) differ, so only 15 of its keys are matched.
    const Map map = Match(impl(), a, b);
    ExpectUnmatched(map, 0, 400);
    ExpectRun(map, 400, 255, 15);
    EXPECT_EQ(map[415], 0);
}

// Four occurrences in A, two in B: the nearest of ListA[1..2] to ListB[0] wins, and `best`
// follows every taken entry, so 40 (distance 10) beats 20 (distance 30).
TEST_P(MatcherEdgeTest, LongerListInAPicksTheNearestStart) {
    const Keys pattern = Distinct(201, 16);
    const Keys a = Concat({pattern, Distinct(3000, 4), pattern, Distinct(3100, 4), pattern,
                           Distinct(3200, 4), pattern, Distinct(3300, 40)}); // at 0, 20, 40, 60
    const Keys b = Concat({Distinct(4000, 50), pattern, Distinct(4100, 20), pattern,
                           Distinct(4200, 40)}); // at 50 and 86
    ASSERT_EQ(a.size(), 116u);
    ASSERT_EQ(b.size(), 142u);
    int p = 0;
    int q = 50;
    EXPECT_EQ(impl().refineRepeatedAnchor(a.data(), b.data(), 100, 126, kRefineLength,
                                          kRefineTolerated, p, q),
              15);
    EXPECT_EQ(p, 40);
    EXPECT_EQ(q, 50);
    p = q = -1;
    EXPECT_EQ(impl().findNearestWindow(a.data(), b.data(), 116, 142, 16, 15, p, q), 15);
    EXPECT_EQ(p, 40);
    EXPECT_EQ(q, 50);
}

// Two occurrences in A, four in B: ListB[1] (20) and ListB[2] (40) are equally near A's 30;
// the tie goes to the lower index.
TEST_P(MatcherEdgeTest, LongerListInBBreaksTiesTowardsTheLowerIndex) {
    const Keys pattern = Distinct(301, 16);
    const Keys a = Concat({Distinct(5000, 30), pattern, Distinct(5100, 24), pattern,
                           Distinct(5200, 34)}); // at 30 and 70
    const Keys b = Concat({pattern, Distinct(6000, 4), pattern, Distinct(6100, 4), pattern,
                           Distinct(6200, 4), pattern, Distinct(6300, 44)}); // at 0, 20, 40, 60
    ASSERT_EQ(a.size(), 120u);
    ASSERT_EQ(b.size(), 120u);
    int p = 30;
    int q = 40;
    EXPECT_EQ(impl().refineRepeatedAnchor(a.data(), b.data(), 104, 104, kRefineLength,
                                          kRefineTolerated, p, q),
              15);
    EXPECT_EQ(p, 30);
    EXPECT_EQ(q, 20);
}

TEST_P(MatcherEdgeTest, SingleOccurrenceInBLeavesTheAnchorAlone) {
    const Keys keys = Distinct(1, 40);
    int p = 3;
    int q = 3;
    EXPECT_EQ(impl().refineRepeatedAnchor(keys.data(), keys.data(), 24, 24, kRefineLength,
                                          kRefineTolerated, p, q),
              0);
    EXPECT_EQ(p, 3);
    EXPECT_EQ(q, 3);
}

TEST_P(MatcherEdgeTest, EmptySequencesMatchNothing) {
    const Keys keys = Distinct(1, 10);
    EXPECT_EQ(Match(impl(), {}, keys), Map{});
    EXPECT_EQ(Match(impl(), keys, {}), Map(10, 0));
    int p = -1;
    int q = -1;
    EXPECT_FALSE(impl().findNearestMatch(keys.data(), keys.data(), 0, 10, p, q));
    EXPECT_FALSE(impl().findNearestMatch(keys.data(), keys.data(), 10, 0, p, q));
    EXPECT_EQ(impl().findNearestWindow(keys.data(), keys.data(), 10, 10, 0, 0, p, q), 0);
    EXPECT_EQ(impl().findNearestWindow(keys.data(), keys.data(), 10, 10, 4, 5, p, q), 0);
    EXPECT_EQ(impl().findNearestWindow(keys.data(), keys.data(), 10, 10, 4, 0, p, q), 0);
}

TEST_P(MatcherEdgeTest, WindowsBelowOneCountAsOne) {
    const Keys a{kX, 0, kY, kZ, 0, kX};
    const Keys b{0, kY, kX, kZ, kZ, 0};
    const Map single = Match(impl(), a, b, 1);
    EXPECT_EQ(Match(impl(), a, b, -4), single);
    EXPECT_EQ(Match(impl(), a, b, 0), single);
}

TEST_P(MatcherEdgeTest, OffsetsShiftOnlyTheRecordedBIndices) {
    const Keys keys = Distinct(1, 20);
    Map map(21, 0);
    impl().matchSequences(keys.data(), 20, 7, keys.data(), 20, 100, map.data(), kMatchWindow);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(map[i], i + 100);
    EXPECT_EQ(map[20], 0);
}

TEST_P(MatcherEdgeTest, CountLeadingZerosAndNonZeros) {
    const Map mixed{0, 0, 0, 4, 0, 6};
    EXPECT_EQ(impl().countLeadingZeros(mixed.data(), 6), 3);
    EXPECT_EQ(impl().countLeadingZeros(mixed.data(), 2), 2);
    EXPECT_EQ(impl().countLeadingZeros(mixed.data(), 0), 0);
    EXPECT_EQ(impl().countLeadingZeros(mixed.data(), -3), 0);
    EXPECT_EQ(impl().countLeadingNonZeros(mixed.data(), 6), 0);
    EXPECT_EQ(impl().countLeadingNonZeros(mixed.data() + 3, 3), 1);

    const Map zeros(7, 0);
    EXPECT_EQ(impl().countLeadingZeros(zeros.data(), 7), 7);
    EXPECT_EQ(impl().countLeadingNonZeros(zeros.data(), 7), 0);

    const Map full{1, 2, 3, 4, 5};
    EXPECT_EQ(impl().countLeadingNonZeros(full.data(), 5), 5);
    EXPECT_EQ(impl().countLeadingNonZeros(full.data(), 4), 4);
    EXPECT_EQ(impl().countLeadingNonZeros(full.data(), 0), 0);
    EXPECT_EQ(impl().countLeadingNonZeros(full.data(), -1), 0);
    EXPECT_EQ(impl().countLeadingZeros(full.data(), 5), 0);
}

// 65520 keys in blocks of 16 shared keys and one key of each side's own: one anchor per block,
// 3854 in a chain. Run on a small stack: the walk after an anchor must not nest.
struct DeepChain {
    static constexpr int kBlock = 17;
    static constexpr int kShared = 16;
    Keys a;
    Keys b;
    Map expected;

    DeepChain() {
        const int blocks = kMaxLines / kBlock;
        for (int i = 0; i < blocks; ++i) {
            for (int k = 0; k < kShared; ++k) {
                a.push_back(static_cast<MatchKey>(1 + i * kShared + k));
                b.push_back(a.back());
                expected.push_back(static_cast<MatchEntry>(a.size()));
            }
            a.push_back(static_cast<MatchKey>(2'000'000 + i));
            b.push_back(static_cast<MatchKey>(3'000'000 + i));
            expected.push_back(0);
        }
        while (static_cast<int>(a.size()) < kMaxLines) {
            a.push_back(static_cast<MatchKey>(4'000'000 + a.size()));
            b.push_back(a.back());
            expected.push_back(static_cast<MatchEntry>(a.size()));
        }
    }
};

struct SmallStackRun {
    const DeepChain* chain;
    Map map;
};

void* RunDeepChain(void* arg) {
    auto* run = static_cast<SmallStackRun*>(arg);
    const int n = static_cast<int>(run->chain->a.size());
    run->map.assign(static_cast<std::size_t>(n) + 1, 0);
    run->map[n] = static_cast<MatchEntry>(n + 1);
    MatchSequences(run->chain->a.data(), n, kCallerOffset, run->chain->b.data(), n, kCallerOffset,
                   run->map.data(), kMatchWindow);
    return nullptr;
}

TEST(MatcherDeepChain, LongChainOfAnchorsRunsOnASmallStack) {
    const DeepChain chain;
    ASSERT_EQ(static_cast<int>(chain.a.size()), kMaxLines);
    SmallStackRun run{&chain, {}};
    // A chain kept as recursion would need thousands of frames; a few hundred KiB is ample for
    // the nesting of the part before an anchor (at most one frame per halving of the window).
    constexpr std::size_t kStackBytes = 256 * 1024;
    pthread_attr_t attributes;
    ASSERT_EQ(pthread_attr_init(&attributes), 0);
    ASSERT_EQ(pthread_attr_setstacksize(&attributes, kStackBytes), 0);
    pthread_t thread;
    ASSERT_EQ(pthread_create(&thread, &attributes, RunDeepChain, &run), 0);
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attributes);

    ASSERT_EQ(run.map.size(), chain.expected.size() + 1);
    EXPECT_EQ(run.map.back(), kMaxLines + 1);
    run.map.pop_back();
    const auto firstDifference =
        std::mismatch(run.map.begin(), run.map.end(), chain.expected.begin());
    EXPECT_TRUE(firstDifference.first == run.map.end())
        << "first difference at A index " << (firstDifference.first - run.map.begin());
}

} // namespace
} // namespace varnex::matchertest
