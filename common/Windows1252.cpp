// The Windows-1252 table through which 8-bit bytes become characters for display and the clipboard.
#include "common/Windows1252.h"

#include "common/TextEncoding.h"

#include <array>

namespace varnex {

namespace {

constexpr std::array<char16_t, 32> kUpperControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 0x98
};

} // namespace

char16_t Windows1252ToUnicode(std::uint8_t byte) {
    if (byte >= 0x80 && byte <= 0x9F) return kUpperControlRange[byte - 0x80];
    return byte;
}

std::optional<std::uint8_t> UnicodeToWindows1252(char16_t character) {
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) {
        return static_cast<std::uint8_t>(character);
    }
    for (std::size_t k = 0; k < kUpperControlRange.size(); ++k) {
        if (kUpperControlRange[k] == character) return static_cast<std::uint8_t>(0x80 + k);
    }
    return std::nullopt;
}

void AppendWindows1252AsUtf8(std::string& out, std::uint8_t byte) {
    AppendUtf8(out, Windows1252ToUnicode(byte));
}

} // namespace varnex
