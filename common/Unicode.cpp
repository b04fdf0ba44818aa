// The one place where bytes become Unicode characters and characters become bytes.
#include "common/Unicode.h"

#include <algorithm>
#include <array>

namespace varnex {

namespace {

constexpr std::array<char16_t, 32> kUpperControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 0x98
};

// The valid sequence at text[index], or {0, 0}.
EncodedChar Utf8SequenceAt(const std::uint8_t* text, int length, int index) {
    const std::uint8_t lead = text[index];
    if (lead < 0x80) return {lead, 1};
    int bytes = 0;
    char32_t code = 0;
    char32_t least = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        bytes = 2, code = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        bytes = 3, code = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        bytes = 4, code = lead & 0x07, least = 0x10000;
    } else {
        return {0, 0}; // a continuation byte, or a lead of overlong forms or past U+10FFFF only
    }
    if (length - index < bytes) return {0, 0};
    for (int k = 1; k < bytes; ++k) {
        const std::uint8_t next = text[index + k];
        if ((next & 0xC0) != 0x80) return {0, 0};
        code = (code << 6) | (next & 0x3F);
    }
    if (code < least || IsSurrogate(code) || code > kMaxCodePoint) return {0, 0};
    return {code, bytes};
}

bool IsHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// The one UTF-16 decoder, over units read by `unitAt` (index < length).
template <typename UnitAt>
Utf16Char DecodeUtf16With(UnitAt unitAt, std::size_t length, std::size_t index) {
    const char32_t unit = unitAt(index);
    if (IsHighSurrogate(unit) && index + 1 < length) {
        const char32_t next = unitAt(index + 1);
        if (IsLowSurrogate(next)) return {0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00), 2};
    }
    return {unit, 1};
}

constexpr int kMaxSequence = 4;

} // namespace

EncodedChar DecodeUtf8(const std::uint8_t* text, int length, int index, Utf8Decoding decoding) {
    const EncodedChar sequence = Utf8SequenceAt(text, length, index);
    if (sequence.bytes > 0 || decoding == Utf8Decoding::Strict) return sequence;
    return {Windows1252ToUnicode(text[index]), 1};
}

void AppendUtf8(std::string& out, char32_t code) {
    if (IsSurrogate(code) || code > kMaxCodePoint) code = kReplacementCharacter;
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

Utf16Char DecodeUtf16(const char16_t* units, int length, int index) {
    return DecodeUtf16With([units](std::size_t at) -> char32_t { return units[at]; },
                           static_cast<std::size_t>(length), static_cast<std::size_t>(index));
}

char16_t Windows1252ToUnicode(std::uint8_t byte) {
    if (byte >= 0x80 && byte <= 0x9F) return kUpperControlRange[byte - 0x80];
    return byte;
}

std::optional<std::uint8_t> Windows1252ByteOf(char32_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<std::uint8_t>(code);
    for (std::size_t k = 0; k < kUpperControlRange.size(); ++k) {
        if (kUpperControlRange[k] == code) return static_cast<std::uint8_t>(0x80 + k);
    }
    return std::nullopt;
}

std::uint8_t NarrowToWindows1252(char32_t code) {
    return Windows1252ByteOf(code).value_or(kReplacementByte);
}

void NarrowUtf8(std::string& out, std::string_view text, Utf8Decoding decoding, std::size_t limit) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    for (std::size_t at = 0; at < text.size() && out.size() < limit;) {
        const int rest = static_cast<int>(std::min<std::size_t>(text.size() - at, kMaxSequence));
        const EncodedChar character = DecodeUtf8(bytes + at, rest, 0, decoding);
        if (character.bytes == 0) {
            out += static_cast<char>(kReplacementByte);
            ++at;
        } else {
            out += static_cast<char>(NarrowToWindows1252(character.code));
            at += static_cast<std::size_t>(character.bytes);
        }
    }
}

void NarrowUtf16Le(std::string& out, std::string_view bytes, std::size_t limit) {
    const auto unitAt = [bytes](std::size_t at) -> char32_t {
        const auto low = static_cast<unsigned char>(bytes[2 * at]);
        const auto high = static_cast<unsigned char>(bytes[2 * at + 1]);
        return static_cast<char32_t>(low | (high << 8));
    };
    const std::size_t units = bytes.size() / 2;
    for (std::size_t at = 0; at < units && out.size() < limit;) {
        const Utf16Char character = DecodeUtf16With(unitAt, units, at);
        out += static_cast<char>(NarrowToWindows1252(character.code));
        at += static_cast<std::size_t>(character.units);
    }
}

} // namespace varnex
