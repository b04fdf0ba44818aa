// Reading and writing the 32-bit little-endian numbers of the pane's settings.
#include "common/SettingsNumbers.h"

#include <array>

namespace varnex {

std::optional<std::uint32_t> ReadNumber(SettingsKey& key, std::string_view name) {
    std::array<std::uint8_t, 4> bytes{};
    if (!key.Read(bytes.data(), bytes.size(), name, ValueType::Number)) return std::nullopt;
    if (key.LastSize() != bytes.size()) return std::nullopt;
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

bool WriteNumber(SettingsKey& key, std::string_view name, std::uint32_t value) {
    const std::array<std::uint8_t, 4> bytes = {
        static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
        static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
    return key.Write(bytes.data(), bytes.size(), name, ValueType::Number);
}

} // namespace varnex
