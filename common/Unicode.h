// The one place where bytes become Unicode characters and characters become bytes: the UTF-8
// decoder (strict or lenient) and encoder, UTF-16 units as code points, and the Windows-1252
// table both ways with the one narrowing of a character to an 8-bit byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace varnex {

inline constexpr char32_t kMaxCodePoint = 0x10FFFF;
// What AppendUtf8 writes for a code point UTF-8 cannot hold (a surrogate, past U+10FFFF).
inline constexpr char32_t kReplacementCharacter = 0xFFFD;
// The byte a character becomes in 8-bit text when Windows-1252 has no byte for it. ASCII, so
// it reads the same in either display encoding; the settings store narrows to it as well.
inline constexpr std::uint8_t kReplacementByte = '?';

// What DecodeUtf8 makes of a byte that starts no valid sequence.
enum class Utf8Decoding {
    Strict,  // nothing: the result has 0 bytes
    Lenient, // the byte alone, as its Windows-1252 character
};

// One character of a text: its code point and the bytes it takes.
struct EncodedChar {
    char32_t code = 0;
    int bytes = 1;
};

// One character of UTF-16 text: its code point and the 16-bit units it takes.
struct Utf16Char {
    char32_t code = 0;
    int units = 1;
};

// U+D800..U+DFFF, the halves of UTF-16 pairs: no character of their own.
constexpr bool IsSurrogate(char32_t code) {
    return code >= 0xD800 && code <= 0xDFFF;
}

// The character that starts at text[index] (0 <= index < length). A valid UTF-8 sequence is one
// character. No sequence starts at a stray continuation byte, a lead byte of an overlong form,
// of a surrogate or of a code point past U+10FFFF, or a sequence cut short by `length`; there
// Strict gives {0, 0} and Lenient the byte's Windows-1252 character, one byte long.
EncodedChar DecodeUtf8(const std::uint8_t* text, int length, int index, Utf8Decoding decoding);

// Appends the UTF-8 sequence of `code`; a surrogate or a code point past U+10FFFF, which no
// valid sequence holds, is written as U+FFFD.
void AppendUtf8(std::string& out, char32_t code);

// The character at units[index] (0 <= index < length): a high surrogate followed by a low one
// is one code point of two units; any other unit is its own code point, a lone surrogate too
// (IsSurrogate tells it; no byte and no UTF-8 sequence holds it).
Utf16Char DecodeUtf16(const char16_t* units, int length, int index);

// Code point shown for `byte`. 0x80..0x9F carry the Windows-1252 signs and letters; the five
// bytes that table leaves unassigned stand for the C1 control of the same number.
char16_t Windows1252ToUnicode(std::uint8_t byte);

// The Windows-1252 byte that shows `code`, or nothing when the table has none (any code point
// past U+00FF that 0x80..0x9F do not carry, surrogates included).
std::optional<std::uint8_t> Windows1252ByteOf(char32_t code);

// The narrowing of a character to 8-bit text: its Windows-1252 byte, else kReplacementByte.
std::uint8_t NarrowToWindows1252(char32_t code);

// Appends one narrowed byte per character of the UTF-8 `text` until `out` holds `limit` bytes.
// A byte that starts no sequence is kReplacementByte under Strict and itself under Lenient.
void NarrowUtf8(std::string& out, std::string_view text, Utf8Decoding decoding,
                std::size_t limit = std::string::npos);

// The same for UTF-16LE `bytes`: a surrogate pair is one character (one byte), a lone surrogate
// is kReplacementByte, and an odd last byte is left out.
void NarrowUtf16Le(std::string& out, std::string_view bytes, std::size_t limit = std::string::npos);

} // namespace varnex
