// Reads and writes the process-wide editor options ("Flags") and tab width ("Tabualtor").
#include "textview/model/OptionSettings.h"

#include "common/SettingsKey.h"
#include "common/SettingsNumbers.h"
#include "textview/model/EditOptions.h"
#include "textview/model/TabWidth.h"

namespace varnex {

namespace {

constexpr std::string_view kOptionsValue = "Flags";
// Spelled so on purpose: the value name other programs read and write.
constexpr std::string_view kTabWidthValue = "Tabualtor";

} // namespace

bool OptionSettings::Load(const std::string& path, Hive hive) {
    SettingsKey key;
    if (!key.Open(hive, path, OpenMode::Read)) return false;
    if (const std::optional<std::uint32_t> options = ReadNumber(key, kOptionsValue)) {
        EditOptions::Load(*options);
    }
    if (const std::optional<std::uint32_t> width = ReadNumber(key, kTabWidthValue)) {
        TabWidth::Set(TabWidth::FromStored(static_cast<std::int32_t>(*width)));
    }
    return true;
}

bool OptionSettings::Save(const std::string& path) {
    SettingsKey key;
    if (!key.Open(Hive::CurrentUser, path, OpenMode::Create)) return false;
    const bool written =
        WriteNumber(key, kOptionsValue, EditOptions::Get() & ~EditOptions::kChanged) &&
        WriteNumber(key, kTabWidthValue, static_cast<std::uint32_t>(TabWidth::Get()));
    if (written) EditOptions::ClearChanged();
    return written;
}

} // namespace varnex
