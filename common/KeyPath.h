// Settings paths: the hive a path names and the key names it consists of.
#pragma once

#include "common/SettingsTypes.h"

#include <string>
#include <string_view>
#include <vector>

namespace varnex {

struct KeyPath {
    Hive hive = Hive::CurrentUser;
    std::vector<std::string> names; // from the hive file's root: the hive's name first
};

// The name a hive has in section headers and "HKEY_…" path prefixes ("HKEY_CURRENT_USER").
std::string_view HiveRootName(Hive hive);

// The key names of a backslash-separated path; empty names (doubled backslashes) are dropped.
std::vector<std::string> SplitKeyPath(std::string_view path);

// With Hive::None a path beginning with a hive's name followed by a backslash or the end is in
// that hive (the name is removed); any other path is in the current user's hive.
KeyPath ResolveKeyPath(Hive hive, std::string_view path);

} // namespace varnex
