// UTF-16LE text, as real registry exports are saved, turned into the store's 8-bit text.
#pragma once

#include <string>
#include <string_view>

namespace varnex {

inline constexpr std::string_view kUtf16LeMark = "\xFF\xFE";

struct NarrowText {
    std::string text;
    bool whole = true; // false when an odd last byte was left over
};

// Each character becomes its Windows-1252 byte; one that table lacks (also any beyond U+FFFF,
// and a lone surrogate) becomes '?', as the 8-bit text cannot hold it.
NarrowText NarrowUtf16(std::string_view bytes);

} // namespace varnex
