// Reads and writes the process-wide editor options ("Flags"), tab width ("Tabualtor"), search
// history ("Find") and text registers ("Copy0" .. "Copy9").
#include "textview/model/settings/OptionSettings.h"

#include "common/SettingsBatch.h"
#include "common/SettingsKey.h"
#include "common/SettingsNumbers.h"
#include "common/SettingsText.h"
#include "textview/model/editor/TextRegisters.h"
#include "textview/model/search/SearchHistory.h"
#include "textview/model/settings/EditOptions.h"
#include "textview/model/settings/TabWidth.h"


namespace varnex {

namespace {

constexpr std::string_view kOptionsValue = "Flags";
// Spelled so on purpose: the value name other programs read and write.
constexpr std::string_view kTabWidthValue = "Tabualtor";
constexpr std::string_view kSearchHistoryValue = "Find";

// "Copy0" .. "Copy9".
std::string RegisterValue(int n) {
    return "Copy" + std::to_string(n);
}

bool WriteAll(const std::string& path) {
    SettingsKey key;
    if (!key.Open(Hive::CurrentUser, path, OpenMode::Create)) return false;
    bool written = WriteNumber(key, kOptionsValue, EditOptions::Get() & ~EditOptions::kChanged) &&
                   WriteNumber(key, kTabWidthValue, static_cast<std::uint32_t>(TabWidth::Get())) &&
                   WriteTextList(key, kSearchHistoryValue, SearchHistory::Entries());
    // Every register is kept as it stands: one left out would bring its older value back.
    for (int n = 0; n < TextRegisters::kCount; ++n) {
        const std::string text = TextRegisters::Get(n).value_or(std::string());
        written = WriteText(key, RegisterValue(n), text) && written;
    }
    return written;
}

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
    std::vector<std::string> history = ReadTextList(key, kSearchHistoryValue);
    if (!history.empty()) SearchHistory::Restore(std::move(history));
    for (int n = 0; n < TextRegisters::kCount; ++n) {
        if (std::optional<std::string> text = ReadText(key, RegisterValue(n)))
            TextRegisters::Restore(n, std::move(*text));
    }
    return true;
}

// One write for all of them, so that what the user chose is stored whole or, with the reason,
// not at all.
StoreResult OptionSettings::Save(const std::string& path) {
    SettingsBatch batch(Hive::CurrentUser);
    const bool written = WriteAll(path);
    const bool committed = batch.Commit();
    if (written && committed) {
        EditOptions::ClearChanged();
        return {};
    }
    return {batch.FailureOrWriteError()};
}

} // namespace varnex
