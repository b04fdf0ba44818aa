// Reads and writes the process-wide editor options ("Flags"), tab width ("Tabualtor"), search
// history ("Find") and text registers ("Copy0" .. "Copy9").
#pragma once

#include "common/SettingsTypes.h"
#include "common/StoreFailure.h"

#include <string>

namespace varnex {

class OptionSettings {
public:
    // Missing values leave their setting as it is; false when the key cannot be opened.
    static bool Load(const std::string& path, Hive hive);
    // Writes them all to the current user's hive in one write and clears the options' changed
    // marker; when that fails, says which file and why.
    static StoreResult Save(const std::string& path);
};

} // namespace varnex
