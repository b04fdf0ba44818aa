// A plain, step-by-step rendering of the compare passes, kept as the oracle for the engine.
#include "tests/engine/LiteralCompare.h"

#include "engine/Matcher.h"
#include "engine/SourceLoader.h"

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

class Literal {
public:
    Literal(const std::vector<std::uint8_t>& l, const std::vector<std::uint8_t>& r, int mode)
        : mode_(mode) {
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

    std::string Stripped(const SourceText& s, int line) const {
        std::string t(s.text.begin() + s.LineStart(line), s.text.begin() + s.LineEnd(line));
        if (!t.empty() && t.back() == '\n') t.pop_back();
        if (!t.empty() && t.back() == '\r') t.pop_back();
        return t;
    }

    void MatchLines() {
        map_.assign(nA() + 1, 0);
        MatchSequences(L_.keys.data(), nA(), 1, R_.keys.data(), nB(), 1, map_.data(), 16);
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

    void SetKinds(std::vector<int>& kinds, const SourceText& s, int line, int kind) {
        for (std::uint32_t b = s.LineStart(line); b < s.LineEnd(line); ++b)
            kinds[b] = kind;
    }

    void Walk() {
        int i = 0, j = 0;
        row_ = 0;
        while ((i < nA() || j < nB()) && row_ < kRowLimit) {
            int k = 0;
            while (i + k < nA() && map_[i + k] == 0)
                ++k;
            const int t = i + k;
            const int d = map_[t] - 1 - j;
            if (k > 0 && d > 0) {
                const int first = row_;
                if (mode_ == 0) row_ = ChangedBlock(i, j, k, d, row_);
                if (mode_ == 1) row_ = CharsBlock(i, j, k, d, row_, false);
                if (mode_ == 2) row_ = CharsBlock(i, j, k, d, row_, true);
                if (mode_ == 1) {
                    for (int r = first; r < row_ && r < kRowLimit; ++r)
                        kind_[r] = kChanged;
                }
                i += k;
                j += d;
            } else if (k > 0) {
                const bool plain = mode_ == 2 && Blank(L_, i, k);
                for (int n = 0; n < k && row_ < kRowLimit; ++n, ++row_) {
                    SetRow(row_, i + n + 1, 0, plain ? kEqual : kRemoved);
                    SetKinds(kindL_, L_, i + n, plain ? kEqual : kRemoved);
                }
                i += k;
            } else if (d > 0) {
                const bool plain = mode_ == 2 && Blank(R_, j, d);
                for (int n = 0; n < d && row_ < kRowLimit; ++n, ++row_) {
                    SetRow(row_, 0, j + n + 1, plain ? kEqual : kInserted);
                    SetKinds(kindR_, R_, j + n, plain ? kEqual : kInserted);
                }
                j += d;
            } else {
                while (i < nA() && map_[i] - 1 == j && row_ < kRowLimit) {
                    if (mode_ == 0 || Stripped(L_, i) == Stripped(R_, j)) {
                        SetRow(row_, i + 1, j + 1, kEqual);
                        SetKinds(kindL_, L_, i, kEqual);
                        SetKinds(kindR_, R_, j, kEqual);
                    } else if (mode_ == 1) {
                        CharsBlock(i, j, 1, 1, row_, false);
                        kind_[row_] = kChanged;
                    } else {
                        CharsBlock(i, j, 1, 1, row_, true);
                    }
                    ++i;
                    ++j;
                    ++row_;
                }
            }
        }
    }

    bool Blank(const SourceText& s, int first, int count) const {
        for (int line = first; line < first + count; ++line) {
            for (std::uint32_t b = s.LineStart(line); b < s.LineEnd(line); ++b) {
                if (!IsBlankByte(s.text[b])) return false;
            }
        }
        return true;
    }

    int ChangedBlock(int i, int j, int k, int d, int row) {
        while (k > 0 && d > 0 && row < kRowLimit) {
            SetRow(row, i + 1, j + 1, kChanged);
            SetKinds(kindL_, L_, i, kChanged);
            SetKinds(kindR_, R_, j, kChanged);
            ++i, ++j, --k, --d, ++row;
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

    // Mode 1: one unit per byte; CR LF / LF CR pairs give 0, 10 and consume both bytes.
    Units ByteUnits(const SourceText& s, int first, int count) const {
        Units u;
        const std::uint32_t start = s.LineStart(first);
        const int n = static_cast<int>(s.LineEnd(first + count - 1) - start);
        const std::uint8_t* b = &s.text[start];
        for (int x = 0; x < n; ++x) {
            u.firstByte.push_back(x);
            if (b[x] == ' ' || b[x] == '\t') {
                u.keys.push_back(0);
            } else if (b[x] == '\r' || b[x] == '\n') {
                const std::uint8_t other = b[x] == '\r' ? '\n' : '\r';
                if (x + 1 < n && b[x + 1] == other) {
                    u.keys.push_back(0);
                    u.keys.push_back(10);
                    u.firstByte.push_back(++x);
                } else {
                    u.keys.push_back(10);
                }
            } else {
                u.keys.push_back(SignedValue(b[x]));
            }
        }
        u.firstByte.push_back(n);
        for (int line = first; line < first + count; ++line) {
            u.lineEnd.push_back(static_cast<int>(s.LineEnd(line) - start));
        }
        return u;
    }

    // Mode 2: runs of blanks, tabs, CR and LF within a line are one token.
    Units TokenUnits(const SourceText& s, int first, int count) const {
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
                    u.keys.push_back(SignedValue(s.text[start + x]));
                    ++x;
                }
            }
            u.lineEnd.push_back(static_cast<int>(u.keys.size()));
        }
        u.firstByte.push_back(static_cast<int>(s.LineEnd(first + count - 1) - start));
        return u;
    }

    void SetUnitKind(std::vector<int>& kinds, std::uint32_t blockStart, const Units& u, int unit,
                     int kind) {
        for (int x = u.firstByte[unit]; x < u.firstByte[unit + 1]; ++x)
            kinds[blockStart + x] = kind;
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
        MatchSequences(lu.keys.data(), nL, 1, ru.keys.data(), nR, 1, cmap.data(), 16);
        cmap[nL] = static_cast<MatchEntry>(nR + 1);
        int matched = 0;
        for (int x = 0; x < nL; ++x)
            matched += cmap[x] != 0;
        if (3 * matched + 4 < nL) return ChangedBlock(i, j, k, d, row);

        // A partnered left unit is Equal when its partner is the same: the same byte in
        // mode 1 (keys 0 and 10 stand for several bytes), the same key in mode 2.
        auto same = [&](int x, int partner) {
            if (noBlanks) return lu.keys[x] == ru.keys[partner];
            return L_.text[ls + lu.firstByte[x]] == R_.text[rs + ru.firstByte[partner]];
        };
        std::vector<int> leftRowOf(k, -1), rightRowOf(d, -1);
        int lp = 0, rp = 0, kindFrom = 0, leftRow = row, rightRow = row, curL = 0, curR = 0;
        auto closeLeft = [&] { leftRowOf[curL++] = leftRow++; };
        auto closeRight = [&] { rightRowOf[curR++] = rightRow++; };
        auto catchUp = [&] {
            if (rightRow > leftRow) {
                for (int r = leftRow; r < rightRow; ++r)
                    placeholderLeftRows_.push_back(r);
                leftRow = rightRow;
            } else if (leftRow > rightRow) {
                rightRow = leftRow;
            }
        };
        placeholderLeftRows_.clear();
        while (true) {
            // 1. unpartnered left units
            while (lp < nL && cmap[lp] == 0) {
                SetUnitKind(kindL_, ls, lu, lp, kChanged);
                ++lp;
                if (curL < k && lp == lu.lineEnd[curL]) closeLeft();
            }
            if (lp == nL) break;
            // 2. right units up to the partner
            const int partner = cmap[lp] - 1;
            while (rp < partner) {
                ++rp;
                if (curR < d && rp == ru.lineEnd[curR]) closeRight();
            }
            // 3. catch up
            catchUp();
            // 4. rest of the current left line
            int lastPartner = -1;
            while (lp < lu.lineEnd[curL]) {
                if (cmap[lp] != 0) {
                    const int q = cmap[lp] - 1;
                    lastPartner = q;
                    if (same(lp, q)) {
                        SetUnitKind(kindL_, ls, lu, lp, kEqual);
                        SetUnitKind(kindR_, rs, ru, q, kEqual);
                        for (int x = kindFrom; x < q; ++x)
                            SetUnitKind(kindR_, rs, ru, x, kChanged);
                        kindFrom = q + 1;
                    } else {
                        SetUnitKind(kindL_, ls, lu, lp, kChanged);
                    }
                } else {
                    SetUnitKind(kindL_, ls, lu, lp, kChanged);
                }
                ++lp;
            }
            closeLeft();
            // 5. the current right line closes on the same row; then further ones
            if (curR < d) {
                closeRight();
                int next = lp;
                while (next < nL && cmap[next] == 0)
                    ++next;
                const int nextPartner = cmap[next] - 1;
                while (curR < d && lastPartner >= ru.lineEnd[curR - 1] &&
                       nextPartner >= ru.lineEnd[curR]) {
                    closeRight();
                }
            }
        }
        for (int x = kindFrom; x < nR; ++x)
            SetUnitKind(kindR_, rs, ru, x, kChanged);
        while (curR < d)
            closeRight();
        catchUp();

        if (!noBlanks) {
            Smooth(L_, ls, lu.firstByte.back(), kindL_);
            Smooth(R_, rs, ru.firstByte.back(), kindR_);
        }
        for (int x = 0; x < k; ++x)
            SetRow(leftRowOf[x], i + x + 1, 0, kind_[leftRowOf[x]]);
        for (int x = 0; x < d; ++x)
            SetRow(rightRowOf[x], 0, j + x + 1, kind_[rightRowOf[x]]);
        if (noBlanks) SetNoBlanksKinds(i, j, k, d, row, leftRow, leftRowOf, rightRowOf);
        return leftRow < kRowLimit ? leftRow : kRowLimit;
    }

    bool LineHasChanged(const SourceText& s, const std::vector<int>& kinds, int line) const {
        for (std::uint32_t b = s.LineStart(line); b < s.LineEnd(line); ++b) {
            if (kinds[b] == kChanged) return true;
        }
        return false;
    }

    void SetNoBlanksKinds(int i, int j, int k, int d, int firstRow, int endRow,
                          const std::vector<int>& leftRowOf, const std::vector<int>& rightRowOf) {
        for (int r = firstRow; r < endRow && r < kRowLimit; ++r)
            kind_[r] = kEqual;
        for (int r : placeholderLeftRows_) {
            if (r < kRowLimit) kind_[r] = kChanged;
        }
        for (int x = 0; x < k; ++x) {
            if (leftRowOf[x] < kRowLimit && LineHasChanged(L_, kindL_, i + x)) {
                kind_[leftRowOf[x]] = kChanged;
            }
        }
        for (int x = 0; x < d; ++x) {
            if (rightRowOf[x] < kRowLimit && LineHasChanged(R_, kindR_, j + x)) {
                kind_[rightRowOf[x]] = kChanged;
            }
        }
    }

    void Smooth(const SourceText& s, std::uint32_t start, int n, std::vector<int>& kinds) {
        const std::vector<int> before(kinds.begin() + start, kinds.begin() + start + n);
        for (int q = 0; q < n; ++q) {
            const std::uint8_t b = s.text[start + q];
            if (before[q] != kEqual || !IsWordChar(b)) continue;
            const int previousKind = q == 0 ? kEqual : before[q - 1];
            const bool leftOpen =
                q == 0 || !IsWordChar(s.text[start + q - 1]) || previousKind == kChanged;
            bool rightOpen;
            if (q == n - 1) {
                rightOpen = previousKind == kChanged;
            } else if (IsWordChar(s.text[start + q + 1])) {
                rightOpen = before[q + 1] == kChanged;
            } else {
                rightOpen = previousKind == kChanged;
            }
            if (leftOpen && rightOpen) kinds[start + q] = kChanged;
        }
    }

    std::string Dump() const {
        std::ostringstream out;
        const int rows = row_ < kRowLimit ? row_ : kRowLimit;
        int blocks = 0;
        for (int r = 0; r < rows; ++r) {
            if (kind_[r] != 0 && (r == 0 || kind_[r] != kind_[r - 1])) ++blocks;
        }
        out << "mode " << mode_ << "\nrows " << rows << " blocks " << blocks << "\n";
        for (int r = 0; r < rows; ++r) {
            out << kind_[r] << ' ' << left_[r] << ' ' << right_[r] << '\n';
        }
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
    SourceText L_, R_;
    std::vector<MatchEntry> map_;
    std::vector<int> kindL_, kindR_;
    std::vector<int> left_, right_, kind_;
    std::vector<int> placeholderLeftRows_;
    int row_ = 0;
};

} // namespace

std::string LiteralCompareDump(const std::vector<std::uint8_t>& left,
                               const std::vector<std::uint8_t>& right, int mode) {
    return Literal(left, right, mode).Run();
}

} // namespace varnex::literal
