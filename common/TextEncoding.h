// How the bytes of a text become characters on screen: each byte as its Windows-1252
// character, or UTF-8 sequences as one character each. Only the display depends on it; the
// comparison always compares bytes.
#pragma once

#include "common/Unicode.h"

#include <cstddef>
#include <cstdint>

namespace varnex {

enum class TextEncoding { Windows1252, Utf8 };

// What the user chose: a fixed encoding, or one detected per file (the numbers are stored).
enum class EncodingChoice { Automatic = 0, Windows1252 = 1, Utf8 = 2 };

// The character that starts at text[index] (index < length) as the encoding shows it: one byte
// as its Windows-1252 character, or UTF-8 decoded leniently (a valid sequence is one character;
// a byte that starts none stands for its Windows-1252 character, alone).
EncodedChar CharAt(const std::uint8_t* text, int length, int index, TextEncoding encoding);

// Index of the first byte of the character that holds byte `index` (index < length).
int CharStart(const std::uint8_t* text, int length, int index, TextEncoding encoding);

// UTF-8 when the text starts with a byte order mark, or when its multi-byte sequences are valid
// and bytes that start none are rare: more valid sequences than such bytes, one of them at most
// or one per thousand non-ASCII bytes, and never two side by side (a stray byte in a UTF-8 text,
// not Windows-1252 letters). Windows-1252 otherwise.
TextEncoding DetectEncoding(const std::uint8_t* text, std::size_t length);

TextEncoding ResolveEncoding(EncodingChoice choice, const std::uint8_t* text, std::size_t length);

} // namespace varnex
