// The compare view's values in the program's settings key: ViewMode, BarMode, Encoding, Flags.
#include "app/compare/ViewSettings.h"

#include "common/SettingsKey.h"
#include "common/SettingsNumbers.h"

namespace varnex {

namespace {

constexpr std::string_view kViewModeValue = "ViewMode";
constexpr std::string_view kBarModeValue = "BarMode";
constexpr std::string_view kFlagsValue = "Flags";
constexpr std::string_view kEncodingValue = "Encoding";

} // namespace

ViewMode ReadViewMode() {
    SettingsKey key;
    if (!key.Open(Hive::CurrentUser, OpenMode::Read)) return ViewMode::SideBySide;
    return ReadNumber(key, kViewModeValue) == 1u ? ViewMode::Stacked : ViewMode::SideBySide;
}

void WriteFlagsIfAbsent() {
    SettingsKey key;
    if (!key.Open(Hive::CurrentUser, OpenMode::Create)) return;
    if (key.ValueSize(kFlagsValue) < 0) WriteNumber(key, kFlagsValue, kDefaultViewFlags);
}

EncodingChoice ReadEncodingChoice() {
    SettingsKey key;
    if (!key.Open(Hive::CurrentUser, OpenMode::Read)) return EncodingChoice::Automatic;
    switch (ReadNumber(key, kEncodingValue).value_or(0)) {
    case 1:
        return EncodingChoice::Windows1252;
    case 2:
        return EncodingChoice::Utf8;
    default:
        return EncodingChoice::Automatic;
    }
}

void WriteEncodingChoice(EncodingChoice choice) {
    SettingsKey key;
    if (!key.Open(Hive::CurrentUser, OpenMode::Create)) return;
    WriteNumber(key, kEncodingValue, static_cast<std::uint32_t>(choice));
}

void WriteViewModes(ViewMode viewMode, BarMode barMode) {
    SettingsKey key;
    if (!key.Open(Hive::CurrentUser, OpenMode::Create)) return;
    WriteNumber(key, kViewModeValue, static_cast<std::uint32_t>(viewMode));
    WriteNumber(key, kBarModeValue, static_cast<std::uint32_t>(barMode));
}

} // namespace varnex
