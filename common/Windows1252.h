// The Windows-1252 table through which 8-bit bytes become characters for display and the clipboard.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace varnex {

// Code point shown for `byte`. 0x80..0x9F carry the Windows-1252 signs and letters; the five
// bytes that table leaves unassigned stand for the C1 control of the same number.
char16_t Windows1252ToUnicode(std::uint8_t byte);

// The byte that shows `character`, or nothing when Windows-1252 has no byte for it.
std::optional<std::uint8_t> UnicodeToWindows1252(char16_t character);

// Appends the UTF-8 form of `byte`'s character.
void AppendWindows1252AsUtf8(std::string& out, std::uint8_t byte);

} // namespace varnex
