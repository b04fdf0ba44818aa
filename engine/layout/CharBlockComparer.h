// Character-wise comparison of one changed block, with and without regard to blanks.
#pragma once

#include "engine/layout/BlockRowWalk.h"
#include "engine/layout/CharTokens.h"
#include "engine/layout/LayoutTarget.h"
#include "engine/match/MatchScratch.h"
#include "engine/match/Matcher.h"

#include <vector>

namespace varnex {

// Holds the key, map and index buffers of one compare, so blocks do not allocate them again.
class CharBlockComparer {
public:
    explicit CharBlockComparer(LayoutTarget& target);

    // Left lines i..i+k-1 against right lines j..j+d-1, rows from `row`; returns the next
    // free row. Blocks over the byte limit, or matched too poorly, are laid out as whole
    // changed lines. The caller marks the rows of a CompareCharsBlock Changed.
    int CompareCharsBlock(int i, int j, int k, int d, int row);
    // Blank runs count as equal; sets each row's kind itself.
    int CompareCharsNoBlanksBlock(int i, int j, int k, int d, int row);

private:
    struct Block {
        int i, j, k, d;
        std::uint32_t leftStart, leftEnd, rightStart, rightEnd;
        int LeftBytes() const { return static_cast<int>(leftEnd - leftStart); }
        int RightBytes() const { return static_cast<int>(rightEnd - rightStart); }
    };

    Block MakeBlock(int i, int j, int k, int d) const;
    bool FitsLimit(const Block& block) const;
    // Matches the first nA left keys with the first nB right keys; false when too few match.
    bool MatchKeys(int nA, int nB);
    BlockLines ByteLines(const SourceText& side, std::uint32_t start, int first, int count) const;
    static BlockLines TokenLines(const BlankRunTokens& tokens);
    void ClassifyBytes(const Block& block);
    void ClassifyTokens(const Block& block);
    void MarkToken(SourceText& side, std::uint32_t blockStart, const BlankRunTokens& tokens,
                   int token, RowKind kind);
    int PlaceRows(const Block& block, const BlockRowPlan& plan);
    void SetNoBlanksRowKinds(const Block& block, const BlockRowPlan& plan, int firstRow,
                             int endRow);

    LayoutTarget& target_;
    std::vector<MatchKey> leftKeys_;
    std::vector<MatchKey> rightKeys_;
    std::vector<MatchEntry> map_;
    MatchScratch matchScratch_;
    BlankRunTokens leftTokens_;
    BlankRunTokens rightTokens_;
};

} // namespace varnex
