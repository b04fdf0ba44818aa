// Letter case in the Windows-1252 code page.
#include "common/Windows1252.h"

namespace varnex {

std::uint8_t UpperPartner1252(std::uint8_t byte) {
    if ((byte >= 'a' && byte <= 'z') || (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7))
        return static_cast<std::uint8_t>(byte - 0x20);
    if (byte == 0x9A || byte == 0x9C || byte == 0x9E) return static_cast<std::uint8_t>(byte - 0x10);
    return byte == 0xFF ? 0x9F : byte;
}

std::uint8_t LowerPartner1252(std::uint8_t byte) {
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7))
        return static_cast<std::uint8_t>(byte + 0x20);
    if (byte == 0x8A || byte == 0x8C || byte == 0x8E) return static_cast<std::uint8_t>(byte + 0x10);
    return byte == 0x9F ? 0xFF : byte;
}

bool IsCaselessLower1252(std::uint8_t byte) {
    return byte == 0x83 || byte == 0xAA || byte == 0xB5 || byte == 0xBA || byte == 0xDF;
}

bool IsUnassigned1252(std::uint8_t byte) {
    return byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
}

} // namespace varnex
