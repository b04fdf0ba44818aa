// Reads and writes a pane group's font and style table under its settings path.
#pragma once

#include "common/SettingsTypes.h"
#include "common/StoreFailure.h"
#include "textview/model/settings/PaneResources.h"

#include <string>

namespace varnex {

struct StyleLoadResult {
    bool fontRead = false;   // a valid "Font" value replaced the group's FontSpec
    bool colorsRead = false; // the "Colors" key was there and was read
};

class StyleSettings {
public:
    // At most this many style sub-keys of "Colors" are read.
    static constexpr int kMaxStyleKeys = 256;
    // Style names are kept up to this many bytes.
    static constexpr std::size_t kMaxNameBytes = 1023;

    // Known ids take the stored colours and font flags (their names stay); unknown ids are
    // added with the stored name. A key that cannot be opened changes nothing. From the current
    // user's hive, what an earlier Save of this process could not store is read over it.
    static StyleLoadResult Load(PaneResources& group, const std::string& path, Hive hive);
    // Writes "Font" and every style with an id other than 0 to the current user's hive, in one
    // write. When that fails, the result tells the file and why, and the values stay in effect
    // for this process (see Load).
    static StoreResult Save(const PaneResources& group, const std::string& path);
};

} // namespace varnex
