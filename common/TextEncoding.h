// How the bytes of a text become characters on screen: each byte as its Windows-1252
// character, or UTF-8 sequences as one character each. Only the display depends on it; the
// comparison always compares bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace varnex {

enum class TextEncoding { Windows1252, Utf8 };

// What the user chose: a fixed encoding, or one detected per file (the numbers are stored).
enum class EncodingChoice { Automatic = 0, Windows1252 = 1, Utf8 = 2 };

// One character of a text: its code point and the bytes it takes.
struct EncodedChar {
    char32_t code = 0;
    int bytes = 1;
};

// The character that starts at text[index] (index < length). In UTF-8 a valid sequence is one
// character; a byte that starts none stands for its Windows-1252 character, alone.
EncodedChar CharAt(const std::uint8_t* text, int length, int index, TextEncoding encoding);

// The valid UTF-8 sequence at text[index]; 0 bytes when none starts there (a stray continuation
// byte, an overlong form, a surrogate, past U+10FFFF, cut short by the length).
EncodedChar Utf8SequenceAt(const std::uint8_t* text, int length, int index);

// Index of the first byte of the character that holds byte `index` (index < length).
int CharStart(const std::uint8_t* text, int length, int index, TextEncoding encoding);

// Display cells a character takes: two for East Asian wide and fullwidth ones, else one.
int CharCells(char32_t code);

// UTF-8 when the text starts with a byte order mark, or when it is valid UTF-8 holding at least
// one multi-byte sequence; Windows-1252 otherwise.
TextEncoding DetectEncoding(const std::uint8_t* text, std::size_t length);

TextEncoding ResolveEncoding(EncodingChoice choice, const std::uint8_t* text, std::size_t length);

void AppendUtf8(std::string& out, char32_t code);

} // namespace varnex
