// UTF-16LE text, as real registry exports are saved, turned into the store's 8-bit text.
#include "common/Utf16Text.h"

#include "common/Windows1252.h"

#include <cstdint>
#include <optional>

namespace varnex {

namespace {

constexpr char kUnrepresentable = '?';

char16_t UnitAt(std::string_view bytes, std::size_t at) {
    const auto low = static_cast<unsigned char>(bytes[at]);
    const auto high = static_cast<unsigned char>(bytes[at + 1]);
    return static_cast<char16_t>(low | (high << 8));
}

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

} // namespace

NarrowText NarrowUtf16(std::string_view bytes) {
    NarrowText narrow;
    narrow.whole = bytes.size() % 2 == 0;
    narrow.text.reserve(bytes.size() / 2);
    for (std::size_t at = 0; at + 1 < bytes.size(); at += 2) {
        const char16_t unit = UnitAt(bytes, at);
        // A pair stands for one character beyond U+FFFF, which no 8-bit byte shows.
        const bool pair =
            IsHighSurrogate(unit) && at + 3 < bytes.size() && IsLowSurrogate(UnitAt(bytes, at + 2));
        if (pair) at += 2;
        const std::optional<std::uint8_t> byte = UnicodeToWindows1252(unit); // none for surrogates
        narrow.text += byte ? static_cast<char>(*byte) : kUnrepresentable;
    }
    return narrow;
}

} // namespace varnex
