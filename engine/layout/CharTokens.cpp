// Splitting a changed block into the tokens that the character modes match.
#include "engine/layout/CharTokens.h"

#include "engine/load/LineKey.h"

namespace varnex {

namespace {

constexpr std::uint8_t kCr = '\r';
constexpr std::uint8_t kLf = '\n';
// The key every line end is matched by; the first byte of a two-byte line end gets key 0.
constexpr MatchKey kLineEndKey = 10;

MatchKey SignedByteKey(std::uint8_t byte) {
    return static_cast<MatchKey>(static_cast<std::int32_t>(static_cast<std::int8_t>(byte)));
}

bool IsLineEndByte(std::uint8_t byte) {
    return byte == kCr || byte == kLf;
}

} // namespace

void TokeniseBytes(const std::uint8_t* bytes, int count, MatchKey* keys) {
    for (int x = 0; x < count; ++x) {
        const std::uint8_t byte = bytes[x];
        if (byte == ' ' || byte == '\t') {
            keys[x] = 0;
        } else if (!IsLineEndByte(byte)) {
            keys[x] = SignedByteKey(byte);
        } else if (x + 1 < count && IsLineEndByte(bytes[x + 1]) && bytes[x + 1] != byte) {
            keys[x] = 0;
            keys[++x] = kLineEndKey;
        } else {
            keys[x] = kLineEndKey;
        }
    }
}

void TokeniseBlankRuns(const std::uint8_t* bytes, const std::vector<int>& lineEnds,
                       BlankRunTokens& tokens) {
    tokens.keys.clear();
    tokens.starts.clear();
    tokens.lineFirstToken.clear();
    int x = 0;
    for (const int lineEnd : lineEnds) {
        tokens.lineFirstToken.push_back(static_cast<int>(tokens.keys.size()));
        while (x < lineEnd) {
            tokens.starts.push_back(x);
            if (!IsBlankOrLineEnd(bytes[x])) {
                tokens.keys.push_back(SignedByteKey(bytes[x++]));
                continue;
            }
            while (x < lineEnd && IsBlankOrLineEnd(bytes[x]))
                ++x;
            tokens.keys.push_back(kBlankRunKey);
        }
    }
    tokens.starts.push_back(x);
    tokens.lineFirstToken.push_back(static_cast<int>(tokens.keys.size()));
}

} // namespace varnex
