// The reference matcher: each function follows the matching rules in order, with plain loops and
// plain recursion and no shortcuts; it is slow on purpose and obviously correct by reading.
#include "tests/engine/match/MatcherOracle.h"

#include <algorithm>
#include <cstdlib>

namespace varnex::oracle {

namespace {

constexpr int kListCapacity = 256;

bool Try(const std::function<bool(Cell)>& passes, int p, int q, Cell& hit) {
    if (!passes(Cell{p, q})) return false;
    hit = Cell{p, q};
    return true;
}

} // namespace

bool VisitAntiDiagonals(int a, int b, const std::function<bool(Cell)>& passes, Cell& hit) {
    if (a < 0 || b < 0) return false;
    const int m = std::min(a, b);
    // 1. d = 0 .. m: (d, 0), (d - 1, 1), ..., (0, d).
    for (int d = 0; d <= m; ++d)
        for (int p = d; p >= 0; --p)
            if (Try(passes, p, d - p, hit)) return true;
    // 2. Only when b < a: d = m + 1 .. a: (d, 0), ..., (d - b, b).
    if (b < a)
        for (int d = m + 1; d <= a; ++d)
            for (int p = d; p >= d - b; --p)
                if (Try(passes, p, d - p, hit)) return true;
    // 3. Only when a < b: d = m + 1 .. b: (a, d - a), ..., (0, d).
    if (a < b)
        for (int d = m + 1; d <= b; ++d)
            for (int p = a; p >= 0; --p)
                if (Try(passes, p, d - p, hit)) return true;
    // 4. d = max(a, b) + 1 .. a + b: (a, d - a), ..., (d - b, b).
    for (int d = std::max(a, b) + 1; d <= a + b; ++d)
        for (int p = a; p >= d - b; --p)
            if (Try(passes, p, d - p, hit)) return true;
    return false;
}

std::vector<Cell> VisitOrder(int a, int b) {
    std::vector<Cell> order;
    Cell unused{};
    VisitAntiDiagonals(
        a, b,
        [&order](Cell cell) {
            order.push_back(cell);
            return false;
        },
        unused);
    return order;
}

bool FindNearestMatch(const MatchKey* a, const MatchKey* b, int nA, int nB, int& p, int& q) {
    if (nA < 1 || nB < 1) return false;
    Cell hit{};
    if (!VisitAntiDiagonals(
            nA - 1, nB - 1, [&](Cell c) { return a[c.p] == b[c.q]; }, hit))
        return false;
    p = hit.p;
    q = hit.q;
    return true;
}

bool FindNearestNonZeroMatch(const MatchKey* a, const MatchKey* b, int nA, int nB, int& p, int& q) {
    if (nA < 1 || nB < 1) return false;
    Cell hit{};
    const auto passes = [&](Cell c) { return a[c.p] != 0 && a[c.p] == b[c.q]; };
    if (!VisitAntiDiagonals(nA - 1, nB - 1, passes, hit)) return false;
    p = hit.p;
    q = hit.q;
    return true;
}

namespace {

// The window test of FindNearestWindow. All inner mismatches are counted; stopping early at W - M +
// 1 cannot change whether the cell passes.
bool WindowPasses(const MatchKey* a, const MatchKey* b, int p, int q, int w, int m,
                  int& innerMismatches) {
    if (a[p] == 0) return false;
    if (a[p] != b[q]) return false;
    if (a[p + w - 1] != b[q + w - 1]) return false;
    innerMismatches = 0;
    for (int k = 1; k <= w - 2; ++k)
        if (a[p + k] != b[q + k]) ++innerMismatches;
    return innerMismatches <= w - m;
}

} // namespace

int FindNearestWindow(const MatchKey* a, const MatchKey* b, int nA, int nB, int w, int m, int& p,
                      int& q) {
    // 1.
    if (w == 1) return FindNearestNonZeroMatch(a, b, nA, nB, p, q) ? 1 : 0;
    if (w < 1) return 0;
    // 2.
    const int lastA = nA - w;
    const int lastB = nB - w;
    if (lastA < 0 || lastB < 0 || m < 1 || m > w) return 0;
    // 3.
    int innerMismatches = 0;
    Cell hit{};
    const auto passes = [&](Cell c) { return WindowPasses(a, b, c.p, c.q, w, m, innerMismatches); };
    if (!VisitAntiDiagonals(lastA, lastB, passes, hit)) return 0;
    // 4.
    const int equalCount = w - innerMismatches;
    // 5.
    if (w >= 10) {
        int refinedP = hit.p;
        int refinedQ = hit.q;
        const int refinedCount =
            RefineRepeatedAnchor(a, b, lastA, lastB, w - 1, m - 1, refinedP, refinedQ);
        if (refinedCount != 0) {
            p = refinedP;
            q = refinedQ;
            return refinedCount;
        }
    }
    p = hit.p;
    q = hit.q;
    return equalCount;
}

namespace {

// The pattern test of RefineRepeatedAnchor: the pattern is always taken from A at p0.
bool CarriesPattern(const MatchKey* a, int p0, const MatchKey* x, int r, int w, int t) {
    if (x[r] != a[p0]) return false;
    int mismatches = 0;
    for (int k = 1; k <= w - 1; ++k)
        if (a[p0 + k] != x[r + k]) ++mismatches;
    return mismatches <= t;
}

void AppendIfRoom(std::vector<int>& list, int r) {
    if (static_cast<int>(list.size()) < kListCapacity) list.push_back(r);
}

// A candidate list: occurrences in X before own - w, then own, then from own + w below limit - w.
std::vector<int> BuildList(const MatchKey* a, int p0, const MatchKey* x, int own, int limit, int w,
                           int t) {
    std::vector<int> list;
    for (int r = 0; r < own - w; ++r)
        if (CarriesPattern(a, p0, x, r, w, t)) AppendIfRoom(list, r);
    const bool ownFitted = static_cast<int>(list.size()) < kListCapacity;
    AppendIfRoom(list, own);
    for (int r = own + w; r < limit - w; ++r)
        if (CarriesPattern(a, p0, x, r, w, t)) AppendIfRoom(list, r);
    if (!ownFitted) ++Counters().ownLeftOut;
    return list;
}

} // namespace

int RefineRepeatedAnchor(const MatchKey* a, const MatchKey* b, int limitA, int limitB, int w, int m,
                         int& p, int& q) {
    ++Counters().calls;
    const int p0 = p;
    const int q0 = q;
    // 1.
    const int t = w - m;
    // 3.
    const std::vector<int> listB = BuildList(a, p0, b, q0, limitB, w, t);
    // 4.
    if (listB.size() == 1) return 0;
    // 5.
    const std::vector<int> listA = BuildList(a, p0, a, p0, limitA, w, t);
    const int cA = static_cast<int>(listA.size());
    const int cB = static_cast<int>(listB.size());
    Counters().fullListsA += cA == kListCapacity ? 1 : 0;
    Counters().fullListsB += cB == kListCapacity ? 1 : 0;
    // 6.
    if (cA == cB) {
        p = listA[0];
        q = listB[0];
    } else if (cA < cB) {
        p = listA[0];
        q = listB[0];
        int best = std::abs(listA[0] - listB[0]);
        for (int k = cB - cA; k >= 1; --k) {
            if (std::abs(listA[0] - listB[k]) <= best) {
                q = listB[k];
                best = std::abs(listA[0] - listB[k]);
            }
        }
    } else {
        q = listB[0];
        p = listA[0];
        int best = std::abs(listA[0] - listB[0]);
        for (int k = cA - cB; k >= 1; --k) {
            if (std::abs(listB[0] - listA[k]) <= best) {
                p = listA[k];
                best = std::abs(listB[0] - listA[k]);
            }
        }
    }
    Counters().moved += (p != p0 || q != q0) ? 1 : 0;
    // 7.
    int equal = 0;
    for (int k = 0; k <= w - 1; ++k)
        if (a[p + k] == b[q + k]) ++equal;
    return equal;
}

void MatchSequences(const MatchKey* a, int nA, int offsetA, const MatchKey* b, int nB, int offsetB,
                    MatchEntry* map, int window) {
    int w = window;
    // 1. (A window of 0 is taken as 1 too, as the engine does; otherwise it would never advance.)
    if (w < 1) w = 1;
    // 2. and 3.
    int p = 0;
    int q = 0;
    for (;;) {
        bool found = false;
        if (w > 1)
            found = FindNearestWindow(a, b, nA, nB, w, w >= 8 ? w - 1 : w, p, q) != 0;
        else
            found = FindNearestMatch(a, b, nA, nB, p, q);
        if (found) break;
        w = w / 2;
        if (w == 0) return;
    }
    // 4.
    if (p > 0 && q > 0 && w > 1) MatchSequences(a, p, offsetA, b, q, offsetB, map, w / 2);
    // 5.
    for (int step = 0; step < w; ++step) {
        if (a[p] == b[q]) map[p] = static_cast<MatchEntry>(q + offsetB);
        ++p;
        ++q;
    }
    // 6.
    if (p < nA && q < nB)
        MatchSequences(a + p, nA - p, offsetA + p, b + q, nB - q, offsetB + q, map + p, w);
}

int CountLeadingZeros(const MatchEntry* map, int n) {
    int count = 0;
    for (int i = 0; i < n && map[i] == 0; ++i)
        ++count;
    return count;
}

int CountLeadingNonZeros(const MatchEntry* map, int n) {
    int count = 0;
    for (int i = 0; i < n && map[i] != 0; ++i)
        ++count;
    return count;
}

RefineCounters& Counters() {
    static RefineCounters counters;
    return counters;
}

} // namespace varnex::oracle
