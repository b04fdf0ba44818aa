// Character classes of 8-bit text and the rules of where word jumps stop between them.
#pragma once

#include "common/TextEncoding.h"

#include <cstdint>

namespace varnex {

enum class CharClass : std::uint8_t {
    Blank = 0,
    Punctuation = 1,
    Underscore = 2,
    Lower = 3,
    Upper = 4
};

// Classes as Windows-1252 shows the bytes; digits count as lower case.
CharClass CharClassOf(std::uint8_t byte);

// Class of the character at text[index] (index < length) as `encoding` reads the bytes. A UTF-8
// sequence for U+00C0 and above is a letter unless it is general punctuation (U+2000..U+206F)
// or a CJK symbol (U+3000..U+303F); bytes that start no sequence keep their Windows-1252 class.
CharClass CharClassAt(const std::uint8_t* text, int length, int index, TextEncoding encoding);

// Stops between blank or punctuation and underscore or letters, both ways: the mask of a new
// pane and of the default options.
inline constexpr std::uint32_t kDefaultWordStopMask = 0x318F9C;

// The word-stop mask the editor options 0x1000 to 0x8000 ask for.
std::uint32_t WordStopMaskFor(std::uint32_t editOptions);

// True when a word jump stops between a character of class `left` and one of class `right`:
// bit right + 5 * left of the mask.
bool StopsBetween(std::uint32_t mask, CharClass left, CharClass right);

// The characters a word is made of: neither blank nor punctuation, and not '_' while the
// options make it a separator.
bool IsWordCharacter(std::uint8_t byte, std::uint32_t editOptions);
// The same for the character at text[index], read with `encoding`.
bool IsWordCharacterAt(const std::uint8_t* text, int length, int index, std::uint32_t editOptions,
                       TextEncoding encoding);

} // namespace varnex
