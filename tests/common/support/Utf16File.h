// Test helper: a file as real registry exports are saved, UTF-16LE after the mark FF FE.
#pragma once

#include <string>
#include <string_view>

namespace varnex::test {

inline std::string Utf16File(std::u16string_view text) {
    std::string bytes = "\xFF\xFE";
    for (const char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

} // namespace varnex::test
