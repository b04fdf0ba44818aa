// Reading and writing the 32-bit little-endian numbers of the pane's settings.
#pragma once

#include "common/SettingsKey.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace varnex {

// The number `name` of the key's current level, or nothing when it is missing or not a number.
std::optional<std::uint32_t> ReadNumber(SettingsKey& key, std::string_view name);
bool WriteNumber(SettingsKey& key, std::string_view name, std::uint32_t value);

} // namespace varnex
