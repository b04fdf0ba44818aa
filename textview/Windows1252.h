// The Windows-1252 table through which the pane's 8-bit bytes become characters on screen.
#pragma once

#include <cstdint>

namespace varnex {

// Code point shown for `byte`. 0x80..0x9F carry the Windows-1252 signs and letters; the five
// bytes that table leaves unassigned stand for the C1 control of the same number.
char16_t Windows1252ToUnicode(std::uint8_t byte);

} // namespace varnex
