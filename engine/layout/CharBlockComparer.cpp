// Character-wise comparison of one changed block, with and without regard to blanks.
#include "engine/layout/CharBlockComparer.h"

#include "engine/Limits.h"
#include "engine/layout/LinePasses.h"
#include "engine/layout/WordSmoothing.h"

#include <algorithm>

namespace varnex {

namespace {

// The window the matcher starts with, and the offset that makes its entries 1-based.
constexpr int kFirstWindow = 16;
constexpr int kOneBased = 1;
// One slot more than the tokens, for the map's end entry.
constexpr std::size_t kBufferSize = kMaxBlockBytes + 1;

constexpr std::uint8_t kChangedCode = static_cast<std::uint8_t>(RowKind::Changed);

// A block is worth showing character by character only when at least about a third of the
// left side matches: 3 * matched + 4 must reach the left token count.
bool MatchesTooPoorly(const MatchEntry* map, int nA) {
    const int matched =
        static_cast<int>(std::count_if(map, map + nA, [](MatchEntry e) { return e != 0; }));
    return 3 * matched + 4 < nA;
}

bool HasChangedByte(const SourceText& side, int line) {
    for (std::uint32_t offset = side.LineStart(line); offset < side.LineEnd(line); ++offset) {
        if (side.cells[offset].kind == kChangedCode) return true;
    }
    return false;
}

} // namespace

CharBlockComparer::CharBlockComparer(LayoutTarget& target)
    : target_(target), leftKeys_(kBufferSize), rightKeys_(kBufferSize), map_(kBufferSize) {}

CharBlockComparer::Block CharBlockComparer::MakeBlock(int i, int j, int k, int d) const {
    return Block{i,
                 j,
                 k,
                 d,
                 target_.left.LineStart(i),
                 target_.left.LineEnd(i + k - 1),
                 target_.right.LineStart(j),
                 target_.right.LineEnd(j + d - 1)};
}

bool CharBlockComparer::FitsLimit(const Block& block) const {
    return block.LeftBytes() <= kMaxBlockBytes && block.RightBytes() <= kMaxBlockBytes;
}

bool CharBlockComparer::MatchKeys(int nA, int nB) {
    std::fill(map_.begin(), map_.begin() + nA + 1, 0);
    MatchSequencesReusing(matchScratch_, leftKeys_.data(), nA, rightKeys_.data(), nB, kOneBased,
                          map_.data(), kFirstWindow);
    map_[nA] = static_cast<MatchEntry>(nB + 1);
    return !MatchesTooPoorly(map_.data(), nA);
}

BlockLines CharBlockComparer::ByteLines(const SourceText& side, std::uint32_t start, int first,
                                        int count) const {
    BlockLines lines;
    for (int line = first; line < first + count; ++line) {
        lines.lineEnds.push_back(static_cast<int>(side.LineEnd(line) - start));
    }
    lines.units = lines.lineEnds.back();
    return lines;
}

BlockLines CharBlockComparer::TokenLines(const BlankRunTokens& tokens) {
    BlockLines lines;
    lines.lineEnds.assign(tokens.lineFirstToken.begin() + 1, tokens.lineFirstToken.end());
    lines.units = static_cast<int>(tokens.keys.size());
    return lines;
}

int CharBlockComparer::CompareCharsBlock(int i, int j, int k, int d, int row) {
    const Block block = MakeBlock(i, j, k, d);
    if (!FitsLimit(block)) return LayoutChangedBlock(target_, i, j, k, d, row);
    TokeniseBytes(&target_.left.text[block.leftStart], block.LeftBytes(), leftKeys_.data());
    TokeniseBytes(&target_.right.text[block.rightStart], block.RightBytes(), rightKeys_.data());
    if (!MatchKeys(block.LeftBytes(), block.RightBytes())) {
        return LayoutChangedBlock(target_, i, j, k, d, row);
    }
    const BlockRowPlan plan =
        WalkBlockRows(map_.data(), ByteLines(target_.left, block.leftStart, i, k),
                      ByteLines(target_.right, block.rightStart, j, d), row);
    ClassifyBytes(block);
    SmoothWords(&target_.left.text[block.leftStart], &target_.left.cells[block.leftStart],
                block.LeftBytes());
    SmoothWords(&target_.right.text[block.rightStart], &target_.right.cells[block.rightStart],
                block.RightBytes());
    return PlaceRows(block, plan);
}

// A left byte is Equal when its partner is the same byte (keys 0 and 10 stand for several
// bytes), and so is that partner; every other byte of the block is Changed.
void CharBlockComparer::ClassifyBytes(const Block& block) {
    const std::uint8_t* leftText = &target_.left.text[block.leftStart];
    const std::uint8_t* rightText = &target_.right.text[block.rightStart];
    CharCell* leftCells = &target_.left.cells[block.leftStart];
    CharCell* rightCells = &target_.right.cells[block.rightStart];
    for (int x = 0; x < block.RightBytes(); ++x)
        rightCells[x].kind = kChangedCode;
    for (int x = 0; x < block.LeftBytes(); ++x) {
        const int partner = map_[x] - 1;
        const bool equal = partner >= 0 && leftText[x] == rightText[partner];
        leftCells[x].kind = equal ? 0 : kChangedCode;
        if (equal) rightCells[partner].kind = 0;
    }
}

int CharBlockComparer::CompareCharsNoBlanksBlock(int i, int j, int k, int d, int row) {
    const Block block = MakeBlock(i, j, k, d);
    if (!FitsLimit(block)) return LayoutChangedBlock(target_, i, j, k, d, row);
    TokeniseBlankRuns(&target_.left.text[block.leftStart],
                      ByteLines(target_.left, block.leftStart, i, k).lineEnds, leftTokens_);
    TokeniseBlankRuns(&target_.right.text[block.rightStart],
                      ByteLines(target_.right, block.rightStart, j, d).lineEnds, rightTokens_);
    const int nA = static_cast<int>(leftTokens_.keys.size());
    const int nB = static_cast<int>(rightTokens_.keys.size());
    std::copy(leftTokens_.keys.begin(), leftTokens_.keys.end(), leftKeys_.begin());
    std::copy(rightTokens_.keys.begin(), rightTokens_.keys.end(), rightKeys_.begin());
    if (!MatchKeys(nA, nB)) return LayoutChangedBlock(target_, i, j, k, d, row);
    const BlockRowPlan plan =
        WalkBlockRows(map_.data(), TokenLines(leftTokens_), TokenLines(rightTokens_), row);
    ClassifyTokens(block);
    const int endRow = PlaceRows(block, plan);
    SetNoBlanksRowKinds(block, plan, row, endRow);
    return endRow;
}

// Matched tokens (equal keys, so any blank run equals any other) are Equal, bytes and all.
void CharBlockComparer::ClassifyTokens(const Block& block) {
    const int nA = static_cast<int>(leftTokens_.keys.size());
    const int nB = static_cast<int>(rightTokens_.keys.size());
    for (int t = 0; t < nB; ++t) {
        MarkToken(target_.right, block.rightStart, rightTokens_, t, RowKind::Changed);
    }
    for (int t = 0; t < nA; ++t) {
        const int partner = map_[t] - 1;
        const bool equal = partner >= 0 && leftTokens_.keys[t] == rightTokens_.keys[partner];
        MarkToken(target_.left, block.leftStart, leftTokens_, t,
                  equal ? RowKind::Equal : RowKind::Changed);
        if (equal)
            MarkToken(target_.right, block.rightStart, rightTokens_, partner, RowKind::Equal);
    }
}

void CharBlockComparer::MarkToken(SourceText& side, std::uint32_t blockStart,
                                  const BlankRunTokens& tokens, int token, RowKind kind) {
    for (int x = tokens.starts[token]; x < tokens.starts[token + 1]; ++x) {
        side.cells[blockStart + x].kind = static_cast<std::uint8_t>(kind);
    }
}

// Rows at or past the row limit are left out; the block is classified all the same.
int CharBlockComparer::PlaceRows(const Block& block, const BlockRowPlan& plan) {
    for (int x = 0; x < block.k; ++x) {
        const int row = plan.leftRows[x];
        if (row < kMaxRows) PlaceLine(target_, Side::Left, block.i + x, row);
    }
    for (int x = 0; x < block.d; ++x) {
        const int row = plan.rightRows[x];
        if (row < kMaxRows) PlaceLine(target_, Side::Right, block.j + x, row);
    }
    return std::min(plan.nextRow, kMaxRows);
}

// A row is Changed when a line it shows holds a Changed byte, or when it has a placeholder on
// the left; otherwise Equal.
void CharBlockComparer::SetNoBlanksRowKinds(const Block& block, const BlockRowPlan& plan,
                                            int firstRow, int endRow) {
    AlignedRows& rows = target_.rows;
    for (int row = firstRow; row < endRow; ++row) {
        rows.SetKind(row, rows.LeftLine(row) == 0 ? RowKind::Changed : RowKind::Equal);
    }
    for (int x = 0; x < block.k; ++x) {
        const int row = plan.leftRows[x];
        if (row < endRow && HasChangedByte(target_.left, block.i + x)) {
            rows.SetKind(row, RowKind::Changed);
        }
    }
    for (int x = 0; x < block.d; ++x) {
        const int row = plan.rightRows[x];
        if (row < endRow && HasChangedByte(target_.right, block.j + x)) {
            rows.SetKind(row, RowKind::Changed);
        }
    }
}

} // namespace varnex
