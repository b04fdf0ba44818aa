// What a compare pane cannot show of a file: its encoding and its kind of line ends, and
// whether two files differ in nothing else.
#pragma once

#include "common/TextEncoding.h"
#include "res/StringId.h"

#include <cstdint>
#include <span>
#include <string>

namespace varnex {

enum class LineEnds { None, Lf, CrLf, Cr, Mixed };

// What differs between two files whose bytes are not the same.
enum class HiddenDifference { None, LineEnds, Encoding, EncodingAndLineEnds };

using Bytes = std::span<const std::uint8_t>;

LineEnds LineEndsOf(Bytes text);

// Empty for ASCII or UTF-8 with LF (or no line end); else e.g. "Windows-1252, CRLF" or "CR".
// An ASCII text is the same in either encoding, so only its line ends are named.
std::string FormatNote(Bytes text, TextEncoding encoding);

// Each file's characters, as its encoding shows them, compared with every line end taken as LF.
HiddenDifference HiddenDifferenceOf(Bytes first, TextEncoding firstEncoding, Bytes second,
                                    TextEncoding secondEncoding);

// The status bar's word after a comparison that loaded both files; a hidden difference is
// named whether or not the rows show one.
StringId PromptAfterCompare(bool identical, HiddenDifference hidden);

} // namespace varnex
