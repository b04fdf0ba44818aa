// Letter case in the Windows-1252 code page: which bytes are case partners, which letters have
// no partner and which bytes the code page leaves unassigned.
#pragma once

#include <cstdint>

namespace varnex {

// The case partners: ASCII, the accented letters 0xC0..0xDE (not ×) with 0xE0..0xFE (not ÷),
// Š Œ Ž with š œ ž, and Ÿ with ÿ. Bytes without a partner give themselves.
std::uint8_t UpperPartner1252(std::uint8_t byte);
std::uint8_t LowerPartner1252(std::uint8_t byte);

// Lower-case letters that have no upper case in the code page: ƒ ª µ º ß.
bool IsCaselessLower1252(std::uint8_t byte);

// 0x81, 0x8D, 0x8F, 0x90 and 0x9D, which the code page assigns no character.
bool IsUnassigned1252(std::uint8_t byte);

} // namespace varnex
