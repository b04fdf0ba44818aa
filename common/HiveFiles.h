// Which file backs each hive, and the one shared HiveFile per file in this process.
#pragma once

#include "common/SettingsTypes.h"

#include <string>

namespace varnex {

class HiveFile;

// $TAMSEL_USER_HIVE, else ${XDG_CONFIG_HOME:-~/.config}/Tamsel/user.reg for the current user;
// $TAMSEL_MACHINE_HIVE, else /etc/xdg/Tamsel/machine.reg machine-wide; empty for other hives.
std::string HiveFilePath(Hive hive);

// The shared HiveFile for the hive's current file path (the variables are read every time, so
// a changed variable takes effect), or null for a hive without a file. The machine-wide hive
// lies over the settings built into the program.
HiveFile* HiveFileFor(Hive hive);

} // namespace varnex
