// Pairs the lines of two files by their keys; in line-wise mode only identical lines stay paired.
#include "engine/match/LineMatch.h"

#include "engine/layout/LineText.h"

namespace varnex {

namespace {

// The window the matcher starts with, and the offset that makes its entries 1-based.
constexpr int kFirstWindow = 16;
constexpr int kOneBased = 1;

// Line keys ignore blanks; line-wise mode shows lines as equal only when their bytes are.
void DropPairsThatDiffer(const SourceText& left, const SourceText& right,
                         std::vector<MatchEntry>& map) {
    for (int line = 0; line < left.LineCount(); ++line) {
        if (map[line] != 0 && !SameContent(left, line, right, map[line] - 1)) map[line] = 0;
    }
}

} // namespace

std::vector<MatchEntry> MatchLines(const SourceText& left, const SourceText& right,
                                   CompareMode mode) {
    const int nA = left.LineCount();
    const int nB = right.LineCount();
    std::vector<MatchEntry> map(static_cast<std::size_t>(nA) + 1, 0);
    MatchSequences(left.keys.data(), nA, kOneBased, right.keys.data(), nB, kOneBased, map.data(),
                   kFirstWindow);
    map[nA] = static_cast<MatchEntry>(nB + 1);
    if (mode == CompareMode::LineWise) DropPairsThatDiffer(left, right, map);
    return map;
}

} // namespace varnex
