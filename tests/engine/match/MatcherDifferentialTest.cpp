// The engine's matcher against the reference implementation on many random key sequences.
#include "engine/match/MatchScratch.h"
#include "tests/engine/match/MatcherTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace varnex::matchertest {
namespace {

// Small alphabets so that keys repeat; key 0 (blank line, blank character) is frequent.
class KeyGenerator {
public:
    explicit KeyGenerator(std::uint32_t seed) : random_(seed) {}

    int Uniform(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random_);
    }
    bool Percent(int percent) { return Uniform(0, 99) < percent; }

    MatchKey Key(int alphabet, int zeroPercent) {
        return Percent(zeroPercent) ? 0 : static_cast<MatchKey>(Uniform(1, alphabet));
    }

    Keys Random(int n, int alphabet, int zeroPercent) {
        Keys keys;
        for (int i = 0; i < n; ++i)
            keys.push_back(Key(alphabet, zeroPercent));
        return keys;
    }

    // A copy of source with keys dropped, replaced and short runs inserted.
    Keys Edited(const Keys& source, int editPercent, int alphabet, int zeroPercent) {
        Keys keys;
        for (const MatchKey key : source) {
            if (!Percent(editPercent)) {
                keys.push_back(key);
                continue;
            }
            switch (Uniform(0, 2)) {
            case 0: // dropped
                break;
            case 1:
                keys.push_back(Key(alphabet, zeroPercent));
                break;
            default:
                for (int run = Uniform(1, 6); run > 0; --run)
                    keys.push_back(Key(alphabet, zeroPercent));
                keys.push_back(key);
            }
        }
        return keys;
    }

    // n keys repeating one pattern of `period` keys, a few of them changed.
    Keys Periodic(const Keys& pattern, int n, int noisePercent, int alphabet) {
        Keys keys;
        for (int i = 0; i < n; ++i)
            keys.push_back(Percent(noisePercent) ? Key(alphabet, 10) : pattern[i % pattern.size()]);
        return keys;
    }

private:
    std::mt19937 random_;
};

std::string Describe(const Keys& keys) {
    std::ostringstream out;
    out << keys.size() << " keys:";
    for (const MatchKey key : keys)
        out << ' ' << key;
    return out.str();
}

struct Case {
    Keys a;
    Keys b;
    int window = kMatchWindow;
};

// Both sides drawn independently.
Case Independent(KeyGenerator& gen) {
    const int alphabet = gen.Uniform(1, 5);
    const int zeros = gen.Uniform(0, 50);
    return {gen.Random(gen.Uniform(0, 300), alphabet, zeros),
            gen.Random(gen.Uniform(0, 300), alphabet, zeros)};
}

// One side an edited copy of the other, so windows of every size occur.
Case Edited(KeyGenerator& gen) {
    const int alphabet = gen.Uniform(2, 24);
    const int zeros = gen.Uniform(0, 40);
    Keys a = gen.Random(gen.Uniform(0, 300), alphabet, zeros);
    Keys b = gen.Edited(a, gen.Uniform(1, 25), alphabet, zeros);
    if (gen.Percent(50)) std::swap(a, b);
    return {std::move(a), std::move(b)};
}

// Both sides repeat one pattern of `period` keys, shifted and edited independently.
Case Repeated(KeyGenerator& gen, int period, int minLength, int maxLength) {
    const int alphabet = gen.Uniform(2, 8);
    Keys pattern = gen.Random(period, alphabet, 15);
    if (minLength > 0)
        pattern[0] = static_cast<MatchKey>(alphabet + 1); // long inputs must have windows
    const auto side = [&] {
        Keys keys = gen.Random(gen.Uniform(0, 20), alphabet, 20);
        const Keys body =
            gen.Periodic(pattern, gen.Uniform(minLength, maxLength), gen.Uniform(0, 3), alphabet);
        keys.insert(keys.end(), body.begin(), body.end());
        return gen.Edited(keys, gen.Uniform(0, 3), alphabet, 20);
    };
    Keys a = side();
    Keys b = side();
    return {std::move(a), std::move(b)};
}

// Periods 1 to 3 fill the candidate lists within 300 keys; 15 to 17 give repeated windows.
Case ShortRepeated(KeyGenerator& gen) {
    static constexpr int kPeriods[] = {1, 2, 3, 5, 15, 16, 16, 17};
    return Repeated(gen, kPeriods[gen.Uniform(0, 7)], 0, 300);
}

// 16-key patterns repeated more often than a candidate list holds.
Case LongRepeated(KeyGenerator& gen) {
    constexpr int kLength = (kAnchorCandidates + 8) * kMatchWindow;
    return Repeated(gen, gen.Uniform(15, 17), kLength, kLength + 300);
}

// Many near-copies of a pattern before the real one: they carry the pattern but cannot start a
// window (their last key differs), so the scan hits late and the list of earlier occurrences
// fills before the anchor's own start. Sparse decoys are variants of a 16-key pattern; dense
// ones are a run of one key, for a pattern of 15 such keys and another, where the other side's
// anchor lies beyond the list's reach so that its last entries are the nearest. The other side
// holds the pattern once or twice (apart, so that no window spans two copies).
Case Decoys(KeyGenerator& gen) {
    const int alphabet = gen.Uniform(3, 10);
    const auto runKey = static_cast<MatchKey>(alphabet + 1); // absent from the random keys
    const auto lastKey = static_cast<MatchKey>(alphabet + 2);
    const bool dense = gen.Percent(50);
    Keys pattern =
        dense ? Repeat(runKey, kMatchWindow - 1) : gen.Random(kMatchWindow - 1, alphabet, 10);
    pattern[0] = runKey;
    pattern.push_back(dense ? lastKey : gen.Key(alphabet, 0));
    Keys decoy = dense ? Keys{runKey} : pattern;
    if (!dense) decoy.back() = lastKey;
    const int copies = dense ? gen.Uniform(240, 320) : gen.Uniform(250, 270);
    const Keys tail = gen.Random(gen.Uniform(kMatchWindow * 2, 60), alphabet, 20);

    Keys decoys;
    for (int i = 0; i < copies; ++i)
        decoys.insert(decoys.end(), decoy.begin(), decoy.end());
    decoys.insert(decoys.end(), pattern.begin(), pattern.end());
    decoys.insert(decoys.end(), tail.begin(), tail.end());

    Keys real = gen.Random(dense ? gen.Uniform(copies - 60, copies + 20) : gen.Uniform(0, 60),
                           alphabet, 20);
    real.insert(real.end(), pattern.begin(), pattern.end());
    if (gen.Percent(50)) {
        const Keys gap = gen.Random(gen.Uniform(kMatchWindow, 30), alphabet, 20);
        real.insert(real.end(), gap.begin(), gap.end());
        real.insert(real.end(), pattern.begin(), pattern.end());
    }
    real.insert(real.end(), tail.begin(), tail.end());
    if (gen.Percent(50)) return {std::move(decoys), std::move(real)};
    return {std::move(real), std::move(decoys)};
}

// Long sides over two to four keys with key 0 frequent: windows are rare, and every key has
// very many positions.
Case FewKeys(KeyGenerator& gen) {
    const int alphabet = gen.Uniform(2, 4);
    const int zeros = gen.Uniform(20, 50);
    return {gen.Random(gen.Uniform(2000, 3000), alphabet, zeros),
            gen.Random(gen.Uniform(2000, 3000), alphabet, zeros)};
}

// Source-like keys: statements distinct within `first`'s range, closing and opening braces (keys
// 1 and 2) and blank lines (key 0) repeating.
Keys SourceLike(KeyGenerator& gen, MatchKey first, int n) {
    Keys keys;
    for (int i = 0; i < n; ++i) {
        const int kind = gen.Uniform(0, 7);
        keys.push_back(kind < 3 ? static_cast<MatchKey>(kind) : first + static_cast<MatchKey>(i));
    }
    return keys;
}

// Unrelated source-like sides that share a few stretches, placed independently on each side, so
// that the first anchors lie far from the corner of the rectangle.
Case SharedStretches(KeyGenerator& gen) {
    Case c;
    for (int stretch = gen.Uniform(1, 4); stretch > 0; --stretch) {
        const Keys shared =
            SourceLike(gen, 1'000'000 * static_cast<MatchKey>(stretch + 2), gen.Uniform(4, 40));
        for (Keys* side : {&c.a, &c.b}) {
            const auto first = static_cast<MatchKey>(side == &c.a ? 10'000 : 500'000);
            const Keys own = SourceLike(gen, first + static_cast<MatchKey>(side->size()),
                                        gen.Uniform(200, 1200));
            side->insert(side->end(), own.begin(), own.end());
            side->insert(side->end(), shared.begin(), shared.end());
        }
    }
    if (gen.Percent(20)) c.window = gen.Uniform(1, 20);
    return c;
}

Case AnyShortCase(KeyGenerator& gen) {
    const int kind = gen.Uniform(0, 9);
    Case c = kind < 3 ? Independent(gen) : kind < 7 ? Edited(gen) : ShortRepeated(gen);
    // Windows other than 16 occur inside the walk after halving; starting with them directly
    // also tries the odd windows (and those below 1).
    if (gen.Percent(10)) c.window = gen.Uniform(-1, 20);
    return c;
}

void ExpectSameMap(const Case& c, const std::string& label) {
    const Map expected = Match(kOracle, c.a, c.b, c.window);
    const Map actual = Match(kEngine, c.a, c.b, c.window);
    ASSERT_EQ(actual.size(), expected.size());
    const auto diff = std::mismatch(actual.begin(), actual.end(), expected.begin());
    ASSERT_TRUE(diff.first == actual.end())
        << label << ", window " << c.window << ": entry " << (diff.first - actual.begin()) << " is "
        << *diff.first << ", the reference has " << *diff.second << "\nA " << Describe(c.a)
        << "\nB " << Describe(c.b);
}

class MatcherDifferentialTest : public testing::TestWithParam<std::uint32_t> {};

INSTANTIATE_TEST_SUITE_P(Seeds, MatcherDifferentialTest,
                         testing::Values(1u, 2u, 3u, 2024u, 65520u, 0x5eedu));

constexpr int kShortCasesPerSeed = 500;

TEST_P(MatcherDifferentialTest, MatchMapsAgreeOnShortSequences) {
    KeyGenerator gen(GetParam());
    for (int i = 0; i < kShortCasesPerSeed; ++i)
        ASSERT_NO_FATAL_FAILURE(ExpectSameMap(AnyShortCase(gen), "case " + std::to_string(i)));
}

TEST_P(MatcherDifferentialTest, MatchMapsAgreeWhereCandidateListsFill) {
    KeyGenerator gen(GetParam() + 1000);
    const oracle::RefineCounters before = oracle::Counters();
    for (int i = 0; i < 4; ++i) {
        const std::string label = std::to_string(i);
        ASSERT_NO_FATAL_FAILURE(ExpectSameMap(Decoys(gen), "decoys " + label));
        ASSERT_NO_FATAL_FAILURE(ExpectSameMap(LongRepeated(gen), "long repeat " + label));
    }
    const oracle::RefineCounters& after = oracle::Counters();
    // The inputs must really have reached full lists, or this test proves little.
    EXPECT_GT(after.fullListsA + after.fullListsB, before.fullListsA + before.fullListsB);
    EXPECT_GT(after.ownLeftOut, before.ownLeftOut);
    EXPECT_GT(after.moved, before.moved);
}

TEST_P(MatcherDifferentialTest, MatchMapsAgreeOnLongSequencesOfFewKeys) {
    KeyGenerator gen(GetParam() + 5000);
    ASSERT_NO_FATAL_FAILURE(ExpectSameMap(FewKeys(gen), "few keys"));
}

TEST_P(MatcherDifferentialTest, MatchMapsAgreeOnLongUnrelatedSequencesSharingFewStretches) {
    KeyGenerator gen(GetParam() + 6000);
    for (int i = 0; i < 2; ++i)
        ASSERT_NO_FATAL_FAILURE(ExpectSameMap(SharedStretches(gen), "shared " + std::to_string(i)));
}

// One scratch through a run of matches, as a compare of many blocks uses it: large and small
// sides, few keys and many, so that every index is rebuilt over memory a different match left.
TEST_P(MatcherDifferentialTest, MatchMapsAgreeWhenIndexesAreReused) {
    KeyGenerator gen(GetParam() + 9000);
    MatchScratch scratch;
    const std::vector<Case> run{FewKeys(gen),        Edited(gen),  SharedStretches(gen),
                                Independent(gen),    FewKeys(gen), AnyShortCase(gen),
                                SharedStretches(gen)};
    for (std::size_t i = 0; i < run.size(); ++i) {
        const Case& c = run[i];
        const int nA = static_cast<int>(c.a.size());
        const int nB = static_cast<int>(c.b.size());
        Map reused(c.a.size() + 1, 0);
        MatchSequencesReusing(scratch, c.a.data(), nA, c.b.data(), nB, kCallerOffset, reused.data(),
                              c.window);
        reused.pop_back();
        ASSERT_EQ(reused, Match(kOracle, c.a, c.b, c.window))
            << "match " << i << " of the run, window " << c.window << "\nA " << Describe(c.a)
            << "\nB " << Describe(c.b);
    }
}

TEST_P(MatcherDifferentialTest, SearchesAgree) {
    KeyGenerator gen(GetParam() + 2000);
    for (int i = 0; i < 400; ++i) {
        const Case c = Edited(gen);
        const int nA = std::min(static_cast<int>(c.a.size()), gen.Uniform(0, 80));
        const int nB = std::min(static_cast<int>(c.b.size()), gen.Uniform(0, 80));
        int engineP = -1, engineQ = -1, oracleP = -1, oracleQ = -1;
        const auto same = [&](auto engineFound, auto oracleFound, const char* what) {
            ASSERT_EQ(engineFound, oracleFound) << what << ", case " << i;
            if (engineFound) {
                ASSERT_EQ(engineP, oracleP) << what << ", case " << i;
                ASSERT_EQ(engineQ, oracleQ) << what << ", case " << i;
            }
        };
        same(FindNearestMatch(c.a.data(), c.b.data(), nA, nB, engineP, engineQ),
             oracle::FindNearestMatch(c.a.data(), c.b.data(), nA, nB, oracleP, oracleQ), "match");
        same(FindNearestNonZeroMatch(c.a.data(), c.b.data(), nA, nB, engineP, engineQ),
             oracle::FindNearestNonZeroMatch(c.a.data(), c.b.data(), nA, nB, oracleP, oracleQ),
             "non-zero match");
        const int w = gen.Uniform(-1, 20);
        const int m = gen.Uniform(-1, w + 1);
        same(FindNearestWindow(c.a.data(), c.b.data(), nA, nB, w, m, engineP, engineQ),
             oracle::FindNearestWindow(c.a.data(), c.b.data(), nA, nB, w, m, oracleP, oracleQ),
             ("window " + std::to_string(w) + "/" + std::to_string(m)).c_str());
    }
}

// Few keys after a long prefix of keys of each side's own, so that every hit lies far from the
// corner of a large rectangle and equally near cells often compete.
Keys BehindOwnPrefix(KeyGenerator& gen, MatchKey ownFirst, int alphabet, int zeros) {
    return Concat({Distinct(ownFirst, gen.Uniform(70, 400)),
                   gen.Random(gen.Uniform(300, 1200), alphabet, zeros)});
}

TEST_P(MatcherDifferentialTest, FarSearchesAgree) {
    KeyGenerator gen(GetParam() + 7000);
    for (int i = 0; i < 12; ++i) {
        const int alphabet = gen.Uniform(1, 4);
        const int zeros = gen.Uniform(0, 40);
        const Keys a = BehindOwnPrefix(gen, 10'000, alphabet, zeros);
        const Keys b = BehindOwnPrefix(gen, 20'000, alphabet, zeros);
        const int nA = static_cast<int>(a.size());
        const int nB = static_cast<int>(b.size());
        int engineP = -1, engineQ = -1, oracleP = -1, oracleQ = -1;
        const auto same = [&](auto engineFound, auto oracleFound, const std::string& what) {
            ASSERT_EQ(engineFound, oracleFound) << what << ", case " << i;
            ASSERT_EQ(engineP, oracleP) << what << ", case " << i;
            ASSERT_EQ(engineQ, oracleQ) << what << ", case " << i;
        };
        same(FindNearestMatch(a.data(), b.data(), nA, nB, engineP, engineQ),
             oracle::FindNearestMatch(a.data(), b.data(), nA, nB, oracleP, oracleQ), "match");
        same(FindNearestNonZeroMatch(a.data(), b.data(), nA, nB, engineP, engineQ),
             oracle::FindNearestNonZeroMatch(a.data(), b.data(), nA, nB, oracleP, oracleQ),
             "non-zero match");
        const int w = gen.Uniform(2, 9);
        const int m = gen.Uniform(w - 1, w);
        same(FindNearestWindow(a.data(), b.data(), nA, nB, w, m, engineP, engineQ),
             oracle::FindNearestWindow(a.data(), b.data(), nA, nB, w, m, oracleP, oracleQ),
             "window " + std::to_string(w) + "/" + std::to_string(m));
    }
}

// Periodic sides behind prefixes of their own, as in files of braces and blank lines: thousands
// of windows share their first and last key but few contents. Pieces of A's pattern are set far
// into B, so that the nearest passing window lies behind many that fail.
TEST_P(MatcherDifferentialTest, FarSearchesAgreeOnRepetitiveSides) {
    KeyGenerator gen(GetParam() + 8000);
    for (int i = 0; i < 16; ++i) {
        const int alphabet = 2;
        const Keys patternA = gen.Random(gen.Uniform(3, 30), alphabet, 20);
        const Keys patternB = gen.Random(gen.Uniform(3, 30), alphabet, 20);
        const int noise = gen.Uniform(0, 8);
        const Keys a = Concat({Distinct(10'000, gen.Uniform(70, 300)),
                               gen.Periodic(patternA, gen.Uniform(400, 1000), noise, alphabet)});
        Keys b = Concat({Distinct(20'000, gen.Uniform(70, 300)),
                         gen.Periodic(patternB, gen.Uniform(400, 1000), noise, alphabet)});
        for (int piece = gen.Uniform(1, 4); piece > 0; --piece) {
            const Keys copied = gen.Periodic(patternA, gen.Uniform(8, 40), noise, alphabet);
            b.insert(b.end() - gen.Uniform(0, 300), copied.begin(), copied.end());
        }
        const int nA = static_cast<int>(a.size());
        const int nB = static_cast<int>(b.size());
        const int w = gen.Uniform(3, 16);
        const int m = gen.Uniform(w - 2, w);
        int engineP = -1, engineQ = -1, oracleP = -1, oracleQ = -1;
        const int engineCount =
            FindNearestWindow(a.data(), b.data(), nA, nB, w, m, engineP, engineQ);
        const int oracleCount =
            oracle::FindNearestWindow(a.data(), b.data(), nA, nB, w, m, oracleP, oracleQ);
        const std::string what =
            "case " + std::to_string(i) + ", window " + std::to_string(w) + "/" + std::to_string(m);
        ASSERT_EQ(engineCount, oracleCount) << what;
        ASSERT_EQ(engineP, oracleP) << what;
        ASSERT_EQ(engineQ, oracleQ) << what;
        if (i < 2) {
            ASSERT_NO_FATAL_FAILURE(ExpectSameMap({a, b}, "repetitive " + what));
        }
    }
}

TEST_P(MatcherDifferentialTest, RefinementsAgree) {
    KeyGenerator gen(GetParam() + 3000);
    for (int i = 0; i < 300; ++i) {
        const Case c = ShortRepeated(gen);
        const int w = gen.Uniform(1, 20);
        const int m = gen.Uniform(0, w + 1);
        // Within the contract: p <= limitA and A holding limitA + w keys; likewise for B.
        const int nA = static_cast<int>(c.a.size());
        const int nB = static_cast<int>(c.b.size());
        if (nA < w || nB < w) continue;
        const int limitA = gen.Uniform(0, nA - w);
        const int limitB = gen.Uniform(0, nB - w);
        const int p0 = gen.Uniform(0, limitA);
        const int q0 = gen.Uniform(0, limitB);
        int engineP = p0, engineQ = q0, oracleP = p0, oracleQ = q0;
        const int engineCount =
            RefineRepeatedAnchor(c.a.data(), c.b.data(), limitA, limitB, w, m, engineP, engineQ);
        const int oracleCount = oracle::RefineRepeatedAnchor(c.a.data(), c.b.data(), limitA, limitB,
                                                             w, m, oracleP, oracleQ);
        ASSERT_EQ(engineCount, oracleCount) << "case " << i;
        ASSERT_EQ(engineP, oracleP) << "case " << i;
        ASSERT_EQ(engineQ, oracleQ) << "case " << i;
    }
}

TEST_P(MatcherDifferentialTest, LeadingCountsAgree) {
    KeyGenerator gen(GetParam() + 4000);
    for (int i = 0; i < 500; ++i) {
        Map map;
        for (int k = gen.Uniform(0, 24); k > 0; --k)
            map.push_back(gen.Percent(50) ? 0 : static_cast<MatchEntry>(gen.Uniform(1, 65520)));
        const int n = std::min(static_cast<int>(map.size()), gen.Uniform(-2, 24));
        ASSERT_EQ(CountLeadingZeros(map.data(), n), oracle::CountLeadingZeros(map.data(), n));
        ASSERT_EQ(CountLeadingNonZeros(map.data(), n), oracle::CountLeadingNonZeros(map.data(), n));
    }
}

TEST(MatcherDifferentialScanOrder, EngineVisitsCellsInTheReferenceOrder) {
    for (int a = -2; a <= 30; ++a) {
        for (int b = -2; b <= 30; ++b) {
            ASSERT_EQ(EngineVisitOrder(a, b), oracle::VisitOrder(a, b)) << a << "x" << b;
        }
    }
}

} // namespace
} // namespace varnex::matchertest
