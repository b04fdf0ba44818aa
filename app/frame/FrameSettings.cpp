// The main window's stored setting: FlatMode in the sub-key Settings of the program's key.
#include "app/frame/FrameSettings.h"

#include "common/SettingsKey.h"
#include "common/SettingsNumbers.h"

#include <optional>

namespace varnex {

namespace {

constexpr std::string_view kSettingsKey = "Settings";
constexpr std::string_view kFlatModeValue = "FlatMode";

} // namespace

bool ReadFlatMode() {
    SettingsKey key;
    if (!key.Open(Hive::CurrentUser, OpenMode::Read) || !key.OpenSub(kSettingsKey)) return true;
    const std::optional<std::uint32_t> flat = ReadNumber(key, kFlatModeValue);
    return !flat || *flat != 0;
}

void WriteFlatMode(bool flat) {
    SettingsKey key;
    if (!key.Open(Hive::CurrentUser, OpenMode::Create) || !key.OpenSub(kSettingsKey)) return;
    WriteNumber(key, kFlatModeValue, flat ? 1u : 0u);
}

} // namespace varnex
