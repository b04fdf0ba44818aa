// Escaping rules of the registry export syntax: quoted names and texts, key names, hex bytes.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace varnex {

// True for bytes a person can read and type: printable ASCII.
bool IsPlainText(std::string_view bytes);

// "text" with \\ and \" escaped and every other byte outside printable ASCII as \xHH.
std::string QuoteText(std::string_view bytes);
// Reads a quoted text that starts at `line[pos]` (a '"'); on success `pos` is just past the
// closing quote. Besides \\ and \" it understands \xHH; any other backslash stands for itself.
std::optional<std::string> UnquoteText(std::string_view line, std::size_t& pos);

// A key name inside a section header: bytes outside printable ASCII, '%', '\' and a leading '-'
// become %HH.
std::string EncodeKeyName(std::string_view name);
// The reverse; a '%' not followed by two hex digits stands for itself.
std::string DecodeKeyName(std::string_view text);

// Bytes as "hh,hh,…", wrapped regedit-style (",\" then two spaces) so that no line, counted
// from `firstLineUsed` characters already on the first one, passes 80 characters.
std::string FormatHexBytes(std::string_view bytes, std::size_t firstLineUsed);
// Comma-separated pairs of hex digits, blanks allowed around them; null when malformed.
std::optional<std::string> ParseHexBytes(std::string_view text);

// `text` without blanks and tabs at either end.
std::string_view TrimBlanks(std::string_view text);

// Value of hex digit `c`, or -1.
int HexDigitValue(char c);

} // namespace varnex
