// Case-insensitive comparison of key and value names, as the registry compares them.
#pragma once

#include <string_view>

namespace varnex {

// Compares ASCII letters without regard to case; all other bytes by value. <0, 0 or >0.
int CompareNoCase(std::string_view a, std::string_view b);

inline bool EqualNoCase(std::string_view a, std::string_view b) {
    return CompareNoCase(a, b) == 0;
}

// True when `text` begins with `prefix`, ignoring case.
inline bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualNoCase(text.substr(0, prefix.size()), prefix);
}

} // namespace varnex
