// The main window's stored settings in the sub-key Settings of the program's key: FlatMode and
// where the window was when it last closed.
#include "app/frame/FrameSettings.h"

#include "common/SettingsBatch.h"
#include "common/SettingsKey.h"
#include "common/SettingsNumbers.h"

#include <cstdint>
#include <string_view>

namespace varnex {

namespace {

constexpr std::string_view kSettingsKey = "Settings";
constexpr std::string_view kFlatModeValue = "FlatMode";
constexpr std::string_view kLeftValue = "WindowLeft";
constexpr std::string_view kTopValue = "WindowTop";
constexpr std::string_view kWidthValue = "WindowWidth";
constexpr std::string_view kHeightValue = "WindowHeight";
constexpr std::string_view kMaximizedValue = "WindowMaximized";

// A window left of or above the primary screen has negative coordinates; a dword keeps their
// two's complement.
std::optional<int> ReadSigned(SettingsKey& key, std::string_view name) {
    const std::optional<std::uint32_t> value = ReadNumber(key, name);
    if (!value) return std::nullopt;
    return static_cast<int>(static_cast<std::int32_t>(*value));
}

bool WriteSigned(SettingsKey& key, std::string_view name, int value) {
    return WriteNumber(key, name, static_cast<std::uint32_t>(static_cast<std::int32_t>(value)));
}

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

std::optional<StoredPlacement> ReadWindowPlacement() {
    SettingsKey key;
    if (!key.Open(Hive::CurrentUser, OpenMode::Read) || !key.OpenSub(kSettingsKey))
        return std::nullopt;
    const std::optional<int> left = ReadSigned(key, kLeftValue);
    const std::optional<int> top = ReadSigned(key, kTopValue);
    const std::optional<int> width = ReadSigned(key, kWidthValue);
    const std::optional<int> height = ReadSigned(key, kHeightValue);
    const std::optional<std::uint32_t> maximized = ReadNumber(key, kMaximizedValue);
    if (!left || !top || !width || !height || !maximized || *width <= 0 || *height <= 0)
        return std::nullopt;
    return StoredPlacement{*left, *top, *width, *height, *maximized != 0};
}

StoreResult WriteWindowPlacement(const StoredPlacement& placement) {
    SettingsBatch batch(Hive::CurrentUser);
    SettingsKey key;
    const bool written = key.Open(Hive::CurrentUser, OpenMode::Create) &&
                         key.OpenSub(kSettingsKey) &&
                         WriteSigned(key, kLeftValue, placement.left) &&
                         WriteSigned(key, kTopValue, placement.top) &&
                         WriteSigned(key, kWidthValue, placement.width) &&
                         WriteSigned(key, kHeightValue, placement.height) &&
                         WriteNumber(key, kMaximizedValue, placement.maximized ? 1u : 0u);
    const bool committed = batch.Commit();
    if (written && committed) return {};
    return {batch.FailureOrWriteError()};
}

} // namespace varnex
