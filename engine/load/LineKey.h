// The 32-bit key of a line: equal for lines that differ only in blanks, tabs and line ends.
#pragma once

#include <cstdint>

namespace varnex {

using LineKey = std::uint32_t;

inline bool IsBlankOrLineEnd(std::uint8_t byte) {
    return byte == ' ' || byte == '\t' || byte == '\r' || byte == '\n';
}

// Feeds one byte into a line key; blanks, tabs, CR and LF leave it unchanged.
inline LineKey FeedLineKey(LineKey key, std::uint8_t byte) {
    if (IsBlankOrLineEnd(byte)) return key;
    key = (key << 7) | (key >> 25);
    return key ^ byte;
}

} // namespace varnex
