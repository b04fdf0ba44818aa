// A plain, step-by-step rendering of the compare passes, kept as the oracle for the engine.
#include "tests/engine/layout/LiteralCompare.h"

#include "engine/load/SourceLoader.h"
#include "engine/match/Matcher.h"
#include "tests/engine/match/MatcherOracle.h"

#include <functional>
#include <sstream>
#include <string_view>

namespace varnex::literal {
namespace {

constexpr int kRowLimit = 65520;
constexpr int kBlockLimit = 4096;
constexpr int kEqual = 0, kChanged = 1, kInserted = 2, kRemoved = 3;

bool IsBlankByte(std::uint8_t b) {
    return b == ' ' || b == '\t' || b == '\r' || b == '\n';
}

bool IsWordChar(std::uint8_t b) {
    constexpr std::string_view kAscii =
        "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ_";
    if (b != 0 && kAscii.find(static_cast<char>(b)) != std::string_view::npos) return true;
    return b >= 0xC0 && b <= 0xFD && b != 0xDE;
}

std::uint32_t SignedValue(std::uint8_t b) {
    return static_cast<std::uint32_t>(static_cast<int>(static_cast<signed char>(b)));
}

// One side of a character block: its units (bytes or tokens), keys, and where its lines end.
struct Units {
    std::vector<std::uint32_t> keys;
    std::vector<int> firstByte; // per unit, block offset of its first byte; one extra at the end
    std::vector<int> lineEnd;   // per block line, first unit of the next line
};

// CharWise: one unit per byte; CR LF / LF CR pairs give 0, 10 and consume both bytes.
Units ByteUnits(const SourceText& s, int first, int count) {
    Units u;
    const std::uint32_t start = s.LineStart(first);
    const int n = static_cast<int>(s.LineEnd(first + count - 1) - start);
    const std::uint8_t* b = &s.text[start];
    for (int x = 0; x < n; ++x) {
        u.firstByte.push_back(x);
        const bool lineEnd = b[x] == '\r' || b[x] == '\n';
        const std::uint8_t other = b[x] == '\r' ? '\n' : '\r';
        if (b[x] == ' ' || b[x] == '\t') {
            u.keys.push_back(0);
        } else if (lineEnd && x + 1 < n && b[x + 1] == other) {
            u.keys.push_back(0);
            u.keys.push_back(10);
            u.firstByte.push_back(++x);
        } else {
            u.keys.push_back(lineEnd ? 10 : SignedValue(b[x]));
        }
    }
    u.firstByte.push_back(n);
    for (int line = first; line < first + count; ++line) {
        u.lineEnd.push_back(static_cast<int>(s.LineEnd(line) - start));
    }
    return u;
}

// CharWiseNoBlanks: runs of blanks, tabs, CR and LF within a line are one token.
Units TokenUnits(const SourceText& s, int first, int count) {
    Units u;
    const std::uint32_t start = s.LineStart(first);
    for (int line = first; line < first + count; ++line) {
        int x = static_cast<int>(s.LineStart(line) - start);
        const int end = static_cast<int>(s.LineEnd(line) - start);
        while (x < end) {
            u.firstByte.push_back(x);
            if (IsBlankByte(s.text[start + x])) {
                while (x < end && IsBlankByte(s.text[start + x]))
                    ++x;
                u.keys.push_back(0x12345678u);
            } else {
                u.keys.push_back(SignedValue(s.text[start + x++]));
            }
        }
        u.lineEnd.push_back(static_cast<int>(u.keys.size()));
    }
    u.firstByte.push_back(static_cast<int>(s.LineEnd(first + count - 1) - start));
    return u;
}

// Sub-steps 1 to 5 of laying out a character block, unit by unit.
class BlockWalk {
public:
    BlockWalk(const std::vector<MatchEntry>& cmap, const Units& lu, const Units& ru, int row,
              std::function<bool(int, int)> same)
        : cmap_(cmap), lu_(lu), ru_(ru), nL_(static_cast<int>(lu.keys.size())),
          nR_(static_cast<int>(ru.keys.size())), same_(std::move(same)), leftRow_(row),
          rightRow_(row) {
        leftKind.assign(nL_, kChanged);
        rightKind.assign(nR_, kChanged);
        leftRowOf.assign(lu.lineEnd.size(), -1);
        rightRowOf.assign(ru.lineEnd.size(), -1);
    }

    void Run() {
        while (true) {
            PassUnpartneredLeft();
            if (lp_ == nL_) break;
            PassRightUpTo(cmap_[lp_] - 1);
            CatchUp();
            const int lastPartner = RestOfLeftLine();
            CloseRightLines(lastPartner);
        }
        while (curR_ < RightLines())
            CloseRight();
        CatchUp();
        endRow = leftRow_;
    }

    std::vector<int> leftKind, rightKind; // per unit
    std::vector<int> leftRowOf, rightRowOf;
    std::vector<int> placeholderLeftRows;
    int endRow = 0;

private:
    int LeftLines() const { return static_cast<int>(lu_.lineEnd.size()); }
    int RightLines() const { return static_cast<int>(ru_.lineEnd.size()); }
    void CloseLeft() { leftRowOf[curL_++] = leftRow_++; }
    void CloseRight() { rightRowOf[curR_++] = rightRow_++; }

    // 1. Left units up to the next partnered one; each line end passed closes the left row.
    void PassUnpartneredLeft() {
        while (lp_ < nL_ && cmap_[lp_] == 0) {
            ++lp_;
            if (curL_ < LeftLines() && lp_ == lu_.lineEnd[curL_]) CloseLeft();
        }
    }

    // 2. Right units up to the partner; each line end passed closes the right row.
    void PassRightUpTo(int partner) {
        while (rp_ < partner) {
            ++rp_;
            if (curR_ < RightLines() && rp_ == ru_.lineEnd[curR_]) CloseRight();
        }
    }

    // 3. The side that is behind gets placeholder rows.
    void CatchUp() {
        for (int r = leftRow_; r < rightRow_; ++r)
            placeholderLeftRows.push_back(r);
        if (rightRow_ > leftRow_) leftRow_ = rightRow_;
        if (leftRow_ > rightRow_) rightRow_ = leftRow_;
    }

    // 4. The rest of the current left line; returns its last partner.
    int RestOfLeftLine() {
        int lastPartner = -1;
        for (; lp_ < lu_.lineEnd[curL_]; ++lp_) {
            if (cmap_[lp_] == 0) continue;
            const int q = cmap_[lp_] - 1;
            lastPartner = q;
            if (!same_(lp_, q)) continue;
            leftKind[lp_] = kEqual;
            rightKind[q] = kEqual;
        }
        CloseLeft();
        return lastPartner;
    }

    // 5. The current right line closes on the same row; further ones on rows of their own.
    void CloseRightLines(int lastPartner) {
        if (curR_ >= RightLines()) return;
        CloseRight();
        int next = lp_;
        while (next < nL_ && cmap_[next] == 0)
            ++next;
        const int nextPartner = cmap_[next] - 1;
        while (curR_ < RightLines() && lastPartner >= ru_.lineEnd[curR_ - 1] &&
               nextPartner >= ru_.lineEnd[curR_]) {
            CloseRight();
        }
    }

    const std::vector<MatchEntry>& cmap_;
    const Units& lu_;
    const Units& ru_;
    int nL_, nR_;
    std::function<bool(int, int)> same_;
    int lp_ = 0, rp_ = 0, curL_ = 0, curR_ = 0;
    int leftRow_, rightRow_;
};

class Literal {
public:
    Literal(const ByteBuffer& l, const ByteBuffer& r, int mode, Matching matching)
        : mode_(mode), matching_(matching) {
        LoadSourceBytes(L_, l, nullptr);
        LoadSourceBytes(R_, r, nullptr);
        kindL_.assign(L_.text.size(), 0);
        kindR_.assign(R_.text.size(), 0);
        // No layout gives more rows than both files have lines.
        const std::size_t rows = static_cast<std::size_t>(L_.LineCount() + R_.LineCount()) + 1;
        left_.assign(rows, 0);
        right_.assign(rows, 0);
        kind_.assign(rows, 0);
    }

    std::string Run() {
        MatchLines();
        Walk();
        return Dump();
    }

private:
    int nA() const { return L_.LineCount(); }
    int nB() const { return R_.LineCount(); }

    static std::string Stripped(const SourceText& s, int line) {
        std::string t(s.text.begin() + s.LineStart(line), s.text.begin() + s.LineEnd(line));
        if (!t.empty() && t.back() == '\n') t.pop_back();
        if (!t.empty() && t.back() == '\r') t.pop_back();
        return t;
    }

    void Match(const MatchKey* a, int nA, const MatchKey* b, int nB, MatchEntry* map) const {
        if (matching_ == Matching::Reference)
            oracle::MatchSequences(a, nA, 1, b, nB, 1, map, 16);
        else
            MatchSequences(a, nA, 1, b, nB, 1, map, 16);
    }

    void MatchLines() {
        map_.assign(nA() + 1, 0);
        Match(L_.keys.data(), nA(), R_.keys.data(), nB(), map_.data());
        map_[nA()] = static_cast<MatchEntry>(nB() + 1);
        if (mode_ != 0) return;
        for (int p = 0; p < nA(); ++p) {
            if (map_[p] != 0 && Stripped(L_, p) != Stripped(R_, map_[p] - 1)) map_[p] = 0;
        }
    }

    void SetRow(int row, int leftNo, int rightNo, int kind) {
        if (row >= kRowLimit) return;
        if (leftNo) left_[row] = leftNo;
        if (rightNo) right_[row] = rightNo;
        kind_[row] = kind;
    }

    static void SetKinds(std::vector<int>& kinds, const SourceText& s, int line, int kind) {
        for (std::uint32_t b = s.LineStart(line); b < s.LineEnd(line); ++b)
            kinds[b] = kind;
    }

    void Walk() {
        int i = 0, j = 0;
        while ((i < nA() || j < nB()) && row_ < kRowLimit) {
            int k = 0;
            while (i + k < nA() && map_[i + k] == 0)
                ++k;
            const int d = map_[i + k] - 1 - j;
            if (k > 0 && d > 0) ChangedStretch(i, j, k, d);
            if (k > 0 && d == 0) OneSide(L_, kindL_, i, k, kRemoved, true);
            if (k == 0 && d > 0) OneSide(R_, kindR_, j, d, kInserted, false);
            if (k == 0 && d == 0) EqualRun(i, j);
            i += k;
            j += d;
        }
    }

    void ChangedStretch(int i, int j, int k, int d) {
        const int first = row_;
        if (mode_ == 0) row_ = ChangedBlock(i, j, k, d, row_);
        if (mode_ != 0) row_ = CharsBlock(i, j, k, d, row_, mode_ == 2);
        for (int r = first; mode_ == 1 && r < row_; ++r)
            kind_[r] = kChanged;
    }

    void OneSide(const SourceText& s, std::vector<int>& kinds, int first, int count, int kind,
                 bool left) {
        if (mode_ == 2 && Blank(s, first, count)) kind = kEqual;
        for (int n = 0; n < count && row_ < kRowLimit; ++n, ++row_) {
            SetRow(row_, left ? first + n + 1 : 0, left ? 0 : first + n + 1, kind);
            SetKinds(kinds, s, first + n, kind);
        }
    }

    void EqualRun(int& i, int& j) {
        while (i < nA() && map_[i] - 1 == j && row_ < kRowLimit) {
            if (mode_ == 0 || Stripped(L_, i) == Stripped(R_, j)) {
                SetRow(row_, i + 1, j + 1, kEqual);
                SetKinds(kindL_, L_, i, kEqual);
                SetKinds(kindR_, R_, j, kEqual);
            } else {
                CharsBlock(i, j, 1, 1, row_, mode_ == 2);
                if (mode_ == 1) kind_[row_] = kChanged;
            }
            ++i, ++j, ++row_;
        }
    }

    static bool Blank(const SourceText& s, int first, int count) {
        for (std::uint32_t b = s.LineStart(first); b < s.LineEnd(first + count - 1); ++b) {
            if (!IsBlankByte(s.text[b])) return false;
        }
        return true;
    }

    int ChangedBlock(int i, int j, int k, int d, int row) {
        for (; k > 0 && d > 0 && row < kRowLimit; ++i, ++j, --k, --d, ++row) {
            SetRow(row, i + 1, j + 1, kChanged);
            SetKinds(kindL_, L_, i, kChanged);
            SetKinds(kindR_, R_, j, kChanged);
        }
        for (; k > 0 && row < kRowLimit; ++i, --k, ++row) {
            SetRow(row, i + 1, 0, kChanged);
            SetKinds(kindL_, L_, i, kChanged);
        }
        for (; d > 0 && row < kRowLimit; ++j, --d, ++row) {
            SetRow(row, 0, j + 1, kChanged);
            SetKinds(kindR_, R_, j, kChanged);
        }
        return row;
    }

    static void CopyUnitKinds(const std::vector<int>& unitKinds, const Units& u,
                              std::uint32_t start, std::vector<int>& kinds) {
        for (std::size_t t = 0; t < unitKinds.size(); ++t) {
            for (int x = u.firstByte[t]; x < u.firstByte[t + 1]; ++x) {
                kinds[start + x] = unitKinds[t];
            }
        }
    }

    int CharsBlock(int i, int j, int k, int d, int row, bool noBlanks) {
        const std::uint32_t ls = L_.LineStart(i), rs = R_.LineStart(j);
        if (L_.LineEnd(i + k - 1) - ls > static_cast<std::uint32_t>(kBlockLimit) ||
            R_.LineEnd(j + d - 1) - rs > static_cast<std::uint32_t>(kBlockLimit)) {
            return ChangedBlock(i, j, k, d, row);
        }
        const Units lu = noBlanks ? TokenUnits(L_, i, k) : ByteUnits(L_, i, k);
        const Units ru = noBlanks ? TokenUnits(R_, j, d) : ByteUnits(R_, j, d);
        const int nL = static_cast<int>(lu.keys.size()), nR = static_cast<int>(ru.keys.size());
        std::vector<MatchEntry> cmap(nL + 1, 0);
        Match(lu.keys.data(), nL, ru.keys.data(), nR, cmap.data());
        cmap[nL] = static_cast<MatchEntry>(nR + 1);
        int matched = 0;
        for (int x = 0; x < nL; ++x)
            matched += cmap[x] != 0;
        if (3 * matched + 4 < nL) return ChangedBlock(i, j, k, d, row);

        // Partners are Equal when the same: the same byte in CharWise (keys 0 and 10 stand for
        // several bytes), the same key in CharWiseNoBlanks.
        BlockWalk walk(cmap, lu, ru, row, [&](int x, int q) {
            if (noBlanks) return lu.keys[x] == ru.keys[q];
            return L_.text[ls + lu.firstByte[x]] == R_.text[rs + ru.firstByte[q]];
        });
        walk.Run();
        CopyUnitKinds(walk.leftKind, lu, ls, kindL_);
        CopyUnitKinds(walk.rightKind, ru, rs, kindR_);
        if (!noBlanks) {
            Smooth(L_, ls, lu.firstByte.back(), kindL_);
            Smooth(R_, rs, ru.firstByte.back(), kindR_);
        }
        for (int x = 0; x < k; ++x)
            SetRow(walk.leftRowOf[x], i + x + 1, 0, kind_[walk.leftRowOf[x]]);
        for (int x = 0; x < d; ++x) {
            SetRow(walk.rightRowOf[x], 0, j + x + 1, kind_[walk.rightRowOf[x]]);
        }
        if (noBlanks) SetNoBlanksKinds(i, j, k, d, row, walk);
        return walk.endRow < kRowLimit ? walk.endRow : kRowLimit;
    }

    static bool LineHasChanged(const SourceText& s, const std::vector<int>& kinds, int line) {
        for (std::uint32_t b = s.LineStart(line); b < s.LineEnd(line); ++b) {
            if (kinds[b] == kChanged) return true;
        }
        return false;
    }

    void SetNoBlanksKinds(int i, int j, int k, int d, int firstRow, const BlockWalk& walk) {
        for (int r = firstRow; r < walk.endRow && r < kRowLimit; ++r)
            kind_[r] = kEqual;
        for (int r : walk.placeholderLeftRows) {
            if (r < kRowLimit) kind_[r] = kChanged;
        }
        for (int x = 0; x < k; ++x) {
            const int r = walk.leftRowOf[x];
            if (r < kRowLimit && LineHasChanged(L_, kindL_, i + x)) kind_[r] = kChanged;
        }
        for (int x = 0; x < d; ++x) {
            const int r = walk.rightRowOf[x];
            if (r < kRowLimit && LineHasChanged(R_, kindR_, j + x)) kind_[r] = kChanged;
        }
    }

    static void Smooth(const SourceText& s, std::uint32_t start, int n, std::vector<int>& kinds) {
        const std::vector<int> before(kinds.begin() + start, kinds.begin() + start + n);
        for (int q = 0; q < n; ++q) {
            const std::uint8_t b = s.text[start + q];
            if (before[q] != kEqual || !IsWordChar(b)) continue;
            const int previousKind = q == 0 ? kEqual : before[q - 1];
            const bool leftOpen =
                q == 0 || !IsWordChar(s.text[start + q - 1]) || previousKind == kChanged;
            bool rightOpen = previousKind == kChanged;
            if (q < n - 1 && IsWordChar(s.text[start + q + 1]))
                rightOpen = before[q + 1] == kChanged;
            if (leftOpen && rightOpen) kinds[start + q] = kChanged;
        }
    }

    std::string Dump() const {
        std::ostringstream out;
        int blocks = 0;
        for (int r = 0; r < row_; ++r) {
            if (kind_[r] != 0 && (r == 0 || kind_[r] != kind_[r - 1])) ++blocks;
        }
        out << "mode " << mode_ << "\nrows " << row_ << " blocks " << blocks << "\n";
        for (int r = 0; r < row_; ++r)
            out << kind_[r] << ' ' << left_[r] << ' ' << right_[r] << '\n';
        DumpSide(out, "left", L_, kindL_);
        DumpSide(out, "right", R_, kindR_);
        return out.str();
    }

    static void DumpSide(std::ostringstream& out, const char* name, const SourceText& s,
                         const std::vector<int>& kinds) {
        out << name << ' ' << s.LineCount() << '\n';
        for (int line = 0; line < s.LineCount(); ++line) {
            if (s.LineStart(line) == s.LineEnd(line)) out << '-';
            for (std::uint32_t b = s.LineStart(line); b < s.LineEnd(line); ++b)
                out << kinds[b];
            out << '\n';
        }
    }

    int mode_;
    Matching matching_;
    SourceText L_, R_;
    std::vector<MatchEntry> map_;
    std::vector<int> kindL_, kindR_;
    std::vector<int> left_, right_, kind_;
    int row_ = 0;
};

} // namespace

std::string LiteralCompareDump(const ByteBuffer& left, const ByteBuffer& right, int mode,
                               Matching matching) {
    return Literal(left, right, mode, matching).Run();
}

} // namespace varnex::literal
