// Lays two matched files out as aligned rows in one compare mode.
#include "engine/layout/RowLayout.h"

#include "engine/Limits.h"
#include "engine/layout/CharBlockComparer.h"
#include "engine/layout/LinePasses.h"
#include "engine/layout/LineText.h"

namespace varnex {

namespace {

class RowWalker {
public:
    RowWalker(SourceText& left, SourceText& right, const std::vector<MatchEntry>& map,
              CompareMode mode, AlignedRows& rows, const CancelFlag* cancel)
        : target_{left, right, rows}, chars_(target_), map_(map), mode_(mode),
          nA_(left.LineCount()), nB_(right.LineCount()), cancel_(cancel) {}

    int Run() {
        while ((i_ < nA_ || j_ < nB_) && row_ < kMaxRows && !IsCancelled(cancel_)) {
            const int k = CountLeadingZeros(map_.data() + i_, nA_ - i_);
            const int d = map_[i_ + k] - 1 - j_;
            if (k > 0 && d > 0) {
                LayOutChangedLines(k, d);
            } else if (k > 0) {
                LayOutLeftOnly(k);
            } else if (d > 0) {
                LayOutRightOnly(d);
            } else {
                LayOutEqualRun();
            }
        }
        return row_;
    }

private:
    bool IgnoresBlanks() const { return mode_ == CompareMode::CharWiseNoBlanks; }

    void LayOutChangedLines(int k, int d) {
        if (mode_ == CompareMode::LineWise) {
            row_ = LayoutChangedBlock(target_, i_, j_, k, d, row_);
        } else if (mode_ == CompareMode::CharWise) {
            const int first = row_;
            row_ = chars_.CompareCharsBlock(i_, j_, k, d, row_);
            MarkRowsChanged(first);
        } else {
            row_ = chars_.CompareCharsNoBlanksBlock(i_, j_, k, d, row_);
        }
        i_ += k;
        j_ += d;
    }

    void LayOutLeftOnly(int k) {
        if (IgnoresBlanks() && IsBlankLines(target_.left, i_, k)) {
            row_ = LayoutLeftOnlyPlain(target_, i_, k, row_);
        } else {
            row_ = LayoutRemoved(target_, i_, k, row_);
        }
        i_ += k;
    }

    void LayOutRightOnly(int d) {
        if (IgnoresBlanks() && IsBlankLines(target_.right, j_, d)) {
            row_ = LayoutRightOnlyPlain(target_, j_, d, row_);
        } else {
            row_ = LayoutInserted(target_, j_, d, row_);
        }
        j_ += d;
    }

    void LayOutEqualRun() {
        while (i_ < nA_ && map_[i_] - 1 == j_ && row_ < kMaxRows) {
            if (mode_ == CompareMode::LineWise ||
                SameContent(target_.left, i_, target_.right, j_)) {
                LayOutEqualRow();
            } else {
                LayOutKeyEqualPair();
            }
            ++i_;
            ++j_;
            ++row_;
        }
    }

    void LayOutEqualRow() {
        PlaceLine(target_, Side::Left, i_, row_);
        PlaceLine(target_, Side::Right, j_, row_);
        SetLineKind(target_.left, i_, RowKind::Equal);
        SetLineKind(target_.right, j_, RowKind::Equal);
        target_.rows.SetKind(row_, RowKind::Equal);
    }

    // Lines with the same key that differ in blanks: compared character by character on one row.
    void LayOutKeyEqualPair() {
        if (IgnoresBlanks()) {
            chars_.CompareCharsNoBlanksBlock(i_, j_, 1, 1, row_);
        } else {
            chars_.CompareCharsBlock(i_, j_, 1, 1, row_);
            target_.rows.SetKind(row_, RowKind::Changed);
        }
    }

    void MarkRowsChanged(int first) {
        for (int row = first; row < row_; ++row)
            target_.rows.SetKind(row, RowKind::Changed);
    }

    LayoutTarget target_;
    CharBlockComparer chars_;
    const std::vector<MatchEntry>& map_;
    CompareMode mode_;
    int nA_;
    int nB_;
    const CancelFlag* cancel_;
    int i_ = 0;
    int j_ = 0;
    int row_ = 0;
};

} // namespace

int LayOutRows(SourceText& left, SourceText& right, const std::vector<MatchEntry>& map,
               CompareMode mode, AlignedRows& rows, const CancelFlag* cancel) {
    const int count = RowWalker(left, right, map, mode, rows, cancel).Run();
    rows.SetCount(count);
    return count;
}

} // namespace varnex
