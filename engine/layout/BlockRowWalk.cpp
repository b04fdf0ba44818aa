// Decides on which row each line of a character-compared block stands.
#include "engine/layout/BlockRowWalk.h"

#include <algorithm>

namespace varnex {

namespace {

class RowWalk {
public:
    RowWalk(const MatchEntry* map, const BlockLines& left, const BlockLines& right, int firstRow)
        : map_(map), left_(left), right_(right), leftRow_(firstRow), rightRow_(firstRow) {
        plan_.leftRows.resize(left.lineEnds.size());
        plan_.rightRows.resize(right.lineEnds.size());
    }

    BlockRowPlan Run() {
        while (true) {
            PassUnmatchedLeft();
            if (position_ >= left_.units) break;
            CloseRightLinesUpTo(map_[position_] - 1);
            CatchUp();
            FinishLeftLine();
            CloseRightLinesAfterLeft();
        }
        CloseRightLinesUpTo(right_.units);
        CatchUp();
        plan_.nextRow = leftRow_;
        return plan_;
    }

private:
    int LeftLineCount() const { return static_cast<int>(left_.lineEnds.size()); }
    int RightLineCount() const { return static_cast<int>(right_.lineEnds.size()); }

    void CloseLeft() { plan_.leftRows[leftLine_++] = leftRow_++; }
    void CloseRight() { plan_.rightRows[rightLine_++] = rightRow_++; }

    // Unmatched left units are passed; every left line end passed closes that line's row.
    void PassUnmatchedLeft() {
        while (position_ < left_.units && map_[position_] == 0)
            ++position_;
        while (leftLine_ < LeftLineCount() && left_.lineEnds[leftLine_] <= position_)
            CloseLeft();
    }

    // Right lines that end at or before `target` are passed.
    void CloseRightLinesUpTo(int target) {
        while (rightLine_ < RightLineCount() && right_.lineEnds[rightLine_] <= target) {
            CloseRight();
        }
    }

    // The side that is behind gets placeholder rows (row line numbers stay 0).
    void CatchUp() { leftRow_ = rightRow_ = std::max(leftRow_, rightRow_); }

    void FinishLeftLine() {
        const int lineEnd = left_.lineEnds[leftLine_];
        for (; position_ < lineEnd; ++position_) {
            if (map_[position_] != 0) lastPartner_ = map_[position_] - 1;
        }
        CloseLeft();
    }

    int NextPartner() const {
        int unit = position_;
        while (unit < left_.units && map_[unit] == 0)
            ++unit;
        return map_[unit] - 1;
    }

    // The current right line joins the left line's row; further right lines that the left
    // line's matches have passed, and that end before the next match, get rows of their own.
    void CloseRightLinesAfterLeft() {
        if (rightLine_ >= RightLineCount()) return;
        CloseRight();
        const int nextPartner = NextPartner();
        while (rightLine_ < RightLineCount() && lastPartner_ >= right_.lineEnds[rightLine_ - 1] &&
               nextPartner >= right_.lineEnds[rightLine_]) {
            CloseRight();
        }
    }

    const MatchEntry* map_;
    const BlockLines& left_;
    const BlockLines& right_;
    BlockRowPlan plan_;
    int position_ = 0;
    int leftLine_ = 0;
    int rightLine_ = 0;
    int leftRow_;
    int rightRow_;
    int lastPartner_ = -1;
};

} // namespace

BlockRowPlan WalkBlockRows(const MatchEntry* map, const BlockLines& left, const BlockLines& right,
                           int firstRow) {
    return RowWalk(map, left, right, firstRow).Run();
}

} // namespace varnex
