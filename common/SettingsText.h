// Reading and writing the program's text values: single strings and string lists.
#pragma once

#include "common/SettingsKey.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnex {

// The string `name` of the key's current level, or nothing when it is missing or no string.
std::optional<std::string> ReadText(SettingsKey& key, std::string_view name);
bool WriteText(SettingsKey& key, std::string_view name, const std::string& text);

// The multi-string `name` as its list of strings; empty when it is missing.
std::vector<std::string> ReadTextList(SettingsKey& key, std::string_view name);
// Stores the non-empty strings of `texts` as one multi-string (an empty string would end it).
bool WriteTextList(SettingsKey& key, std::string_view name, const std::vector<std::string>& texts);

} // namespace varnex
