// Reads and writes the process-wide editor options ("Flags"), tab width ("Tabualtor"), search
// history ("Find") and text registers ("Copy0" .. "Copy9").
#pragma once

#include "common/SettingsTypes.h"

#include <string>

namespace varnex {

class OptionSettings {
public:
    // Missing values leave their setting as it is; false when the key cannot be opened.
    static bool Load(const std::string& path, Hive hive);
    // Writes both values to the current user's hive and clears the options' changed marker.
    static bool Save(const std::string& path);
};

} // namespace varnex
