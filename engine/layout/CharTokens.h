// Splitting a changed block into the tokens that the character modes match.
#pragma once

#include "engine/match/Matcher.h"

#include <cstdint>
#include <vector>

namespace varnex {

// Character-wise: one key per byte. Blank and tab give 0; a CR LF or LF CR pair gives 0, 10
// (pairs are taken from left to right); a lone CR or LF gives 10; any other byte its signed
// value.
void TokeniseBytes(const std::uint8_t* bytes, int count, MatchKey* keys);

// Key of a run of blanks, tabs and line-end bytes in the mode that ignores blanks.
inline constexpr MatchKey kBlankRunKey = 0x12345678u;

struct BlankRunTokens {
    std::vector<MatchKey> keys;
    // Block offset of each token's first byte, then the block's end.
    std::vector<int> starts;
    // Index of each line's first token, then the token count.
    std::vector<int> lineFirstToken;
};

// Without blanks: each maximal run of blanks, tabs, CR and LF within one line is one token,
// every other byte one token with its signed value. `lineEnds` are the block offsets where
// the block's lines end.
void TokeniseBlankRuns(const std::uint8_t* bytes, const std::vector<int>& lineEnds,
                       BlankRunTokens& tokens);

} // namespace varnex
