// Turns text handed to a pane (8-bit, UTF-8 or UTF-16) into the pane's 8-bit bytes.
#include "textview/model/TextConversion.h"

#include <algorithm>

namespace varnex {

namespace {

constexpr char32_t kMaxCodePoint = 0x10FFFF;

bool IsContinuation(std::uint8_t byte) {
    return (byte & 0xC0) == 0x80;
}

// Sequence length announced by a lead byte, and the smallest code point it may carry.
struct LeadByte {
    int length;
    char32_t minimum;
    char32_t bits;
};

LeadByte ReadLead(std::uint8_t byte) {
    if ((byte & 0xE0) == 0xC0) return {2, 0x80, byte & 0x1Fu};
    if ((byte & 0xF0) == 0xE0) return {3, 0x800, byte & 0x0Fu};
    if ((byte & 0xF8) == 0xF0) return {4, 0x10000, byte & 0x07u};
    return {1, 0, byte};
}

std::uint8_t Fit(char32_t codePoint) {
    return codePoint > 0xFF ? kUnfitCharacter : static_cast<std::uint8_t>(codePoint);
}

void ConvertUtf8(const std::uint8_t* text, int length, int maxLength,
                 std::vector<std::uint8_t>& out) {
    for (int i = 0; i < length && static_cast<int>(out.size()) < maxLength;) {
        const DecodedCharacter decoded = DecodeUtf8(text + i, length - i);
        out.push_back(Fit(decoded.codePoint));
        i += decoded.bytes;
    }
}

bool IsHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

void ConvertUtf16(const std::uint8_t* text, int length, int maxLength,
                  std::vector<std::uint8_t>& out) {
    const int units = length / 2;
    for (int u = 0; u < units && static_cast<int>(out.size()) < maxLength; ++u) {
        const char32_t unit = text[2 * u] | static_cast<char32_t>(text[2 * u + 1]) << 8;
        if (IsHighSurrogate(unit) && u + 1 < units) {
            const char32_t next = text[2 * u + 2] | static_cast<char32_t>(text[2 * u + 3]) << 8;
            if (IsLowSurrogate(next)) ++u; // the pair is one character, and it does not fit
        }
        out.push_back(Fit(unit));
    }
}

} // namespace

DecodedCharacter DecodeUtf8(const std::uint8_t* text, int available) {
    const LeadByte lead = ReadLead(text[0]);
    if (lead.length == 1 || lead.length > available) return {text[0], 1};
    char32_t codePoint = lead.bits;
    for (int i = 1; i < lead.length; ++i) {
        if (!IsContinuation(text[i])) return {text[0], 1};
        codePoint = codePoint << 6 | (text[i] & 0x3Fu);
    }
    if (codePoint < lead.minimum || codePoint > kMaxCodePoint) return {text[0], 1};
    return {codePoint, lead.length};
}

std::span<const std::uint8_t> ToPaneBytes(const std::uint8_t* text, int length, int flags,
                                          int maxLength, std::vector<std::uint8_t>& buffer) {
    length = std::max(length, 0);
    if (!(flags & (kTextUtf8 | kTextUtf16))) {
        return {text, static_cast<std::size_t>(std::min(length, maxLength))};
    }
    buffer.clear();
    if (flags & kTextUtf8) {
        ConvertUtf8(text, length, maxLength, buffer);
    } else {
        ConvertUtf16(text, length, maxLength, buffer);
    }
    return {buffer.data(), buffer.size()};
}

} // namespace varnex
