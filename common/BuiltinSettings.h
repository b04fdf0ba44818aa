// The settings shipped inside the program: a layer below the machine-wide hive, never written.
#pragma once

#include "common/HiveKey.h"

#include <memory>
#include <span>
#include <string_view>

namespace varnex {

// The shipped hive texts (registry export syntax), one per file of res/settings, in name order;
// made at build time.
std::span<const std::string_view> BuiltinSettingsTexts();

// Every shipped text read into one tree, later files over earlier ones; a text that does not
// parse is left out.
std::shared_ptr<const HiveKey> BuiltinSettings();

} // namespace varnex
