// The 32-bit key of a line: equal for lines that differ only in blanks, tabs and line ends.
#pragma once

#include <bit>
#include <cstdint>

namespace varnex {

using LineKey = std::uint32_t;

inline bool IsBlankOrLineEnd(std::uint8_t byte) {
    return byte == ' ' || byte == '\t' || byte == '\r' || byte == '\n';
}

// Feeds one byte into a line key; blanks, tabs, CR and LF leave it unchanged.
inline LineKey FeedLineKey(LineKey key, std::uint8_t byte) {
    if (IsBlankOrLineEnd(byte)) return key;
    return std::rotl(key, 7) ^ byte;
}

// The key of `count` bytes.
inline LineKey KeyOfBytes(const std::uint8_t* bytes, int count) {
    LineKey key = 0;
    for (int b = 0; b < count; ++b)
        key = FeedLineKey(key, bytes[b]);
    return key;
}

} // namespace varnex
