// Widens a character-wise difference inside a word to the word's edges.
#pragma once

#include "engine/load/CharCell.h"

#include <cstdint>

namespace varnex {

// Digits, ASCII letters, '_' and the letters 0xC0..0xFD of 8-bit code pages (except 0xDE).
bool IsWordByte(std::uint8_t byte);

// Over one side of a block: an Equal word byte next to a Changed byte of the same word turns
// Changed. Decisions use the kinds as they were before this call, so a change spreads by at
// most one byte at each edge.
void SmoothWords(const std::uint8_t* bytes, CharCell* cells, int count);

} // namespace varnex
