// Turns text handed to a pane (8-bit, UTF-8 or UTF-16) into the pane's 8-bit bytes.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace varnex {

// Encoding flags of SetLine.
inline constexpr int kTextUtf8 = 0x400;
inline constexpr int kTextUtf16 = 0x800;
// Code points that do not fit a byte are stored as this byte.
inline constexpr std::uint8_t kUnfitCharacter = 0xFF;

struct DecodedCharacter {
    char32_t codePoint = 0;
    int bytes = 1; // input bytes consumed, at least 1
};

// Decodes the UTF-8 sequence at `text`. A byte that does not start a well-formed sequence
// (stray continuation byte, overlong or cut-off sequence) stands for itself.
DecodedCharacter DecodeUtf8(const std::uint8_t* text, int available);

// The pane bytes for `length` input bytes of `text` under `flags`, at most `maxLength` of
// them. Plain 8-bit text is returned in place; converted text is written to `buffer`.
std::span<const std::uint8_t> ToPaneBytes(const std::uint8_t* text, int length, int flags,
                                          int maxLength, std::vector<std::uint8_t>& buffer);

} // namespace varnex
