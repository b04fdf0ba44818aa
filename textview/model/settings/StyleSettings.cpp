// Reads and writes a pane group's font and style table under its settings path.
#include "textview/model/settings/StyleSettings.h"

#include "common/SettingsBatch.h"
#include "common/SettingsKey.h"
#include "common/SettingsNumbers.h"
#include "textview/model/settings/UnsavedStyles.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <optional>

namespace varnex {

namespace {

constexpr std::string_view kFontValue = "Font";
constexpr std::string_view kColorsKey = "Colors";
constexpr std::string_view kNameValue = "Name";
constexpr std::string_view kBackgroundValue = "BG";
constexpr std::string_view kTextValue = "TX";
constexpr std::string_view kFontFlagsValue = "Font";

// Style keys are named by a positive id in decimal; anything else is not a style.
std::optional<std::int32_t> StyleIdOf(const std::string& keyName) {
    std::int32_t id = 0;
    const char* end = keyName.data() + keyName.size();
    const auto [stop, error] = std::from_chars(keyName.data(), end, id);
    if (keyName.empty() || keyName.front() == '-' || error != std::errc() || stop != end ||
        id <= 0) {
        return std::nullopt;
    }
    return id;
}

bool ReadFont(SettingsKey& key, FontSpec& description) {
    std::array<std::uint8_t, FontSpec::kBytes> bytes{};
    if (!key.Read(bytes.data(), bytes.size(), kFontValue, ValueType::Binary)) return false;
    const std::optional<FontSpec> stored = FontSpec::FromBytes(bytes.data(), key.LastSize());
    if (stored) description = *stored;
    return stored.has_value();
}

std::string ReadName(SettingsKey& key) {
    const std::optional<std::vector<char>> value = key.ReadAlloc(kNameValue, ValueType::String);
    if (!value) return {};
    const std::size_t length = strnlen(value->data(), value->size());
    return std::string(value->data(), std::min(length, StyleSettings::kMaxNameBytes));
}

void ReadStyle(SettingsKey& key, StyleTable& styles, std::int32_t id) {
    const std::uint32_t background = ReadNumber(key, kBackgroundValue).value_or(kWindowColour);
    const std::uint32_t text = ReadNumber(key, kTextValue).value_or(kWindowColour);
    const std::uint32_t fontFlags = ReadNumber(key, kFontFlagsValue).value_or(0);
    const std::optional<int> index = styles.FindId(id);
    if (!index) {
        styles.Add(text, background, ReadName(key), static_cast<std::uint32_t>(id), fontFlags);
        return;
    }
    TextStyle& style = *styles.Get(*index);
    style.background = background;
    style.textColour = text;
    style.fontFlags = fontFlags;
}

void ReadColors(SettingsKey& key, StyleTable& styles) {
    for (int n = 0; n < StyleSettings::kMaxStyleKeys && key.OpenSubNext(); ++n) {
        if (const std::optional<std::int32_t> id = StyleIdOf(key.KeyName()))
            ReadStyle(key, styles, *id);
        key.Close();
    }
}

bool WriteStyle(SettingsKey& key, const TextStyle& style) {
    if (!key.OpenSub(std::to_string(style.id))) return false;
    const bool written =
        WriteNumber(key, kBackgroundValue, style.background) &&
        WriteNumber(key, kTextValue, style.textColour) &&
        key.Write(style.name.c_str(), style.name.size() + 1, kNameValue, ValueType::String) &&
        WriteNumber(key, kFontFlagsValue, style.fontFlags);
    key.Close();
    return written;
}

bool WriteGroup(const PaneResources& group, const std::string& path) {
    SettingsKey key;
    if (!key.Open(Hive::CurrentUser, path, OpenMode::Create)) return false;
    const std::array<std::uint8_t, FontSpec::kBytes> font = group.Font().ToBytes();
    bool written = key.Write(font.data(), font.size(), kFontValue, ValueType::Binary);
    if (!key.OpenSub(kColorsKey)) return false;
    const StyleTable& styles = group.Styles();
    for (int index = 0; index < styles.Count(); ++index) {
        const TextStyle& style = *styles.Get(index);
        if (style.id != 0 && style.kept) written = WriteStyle(key, style) && written;
    }
    return written;
}

StyleLoadResult LoadStored(PaneResources& group, const std::string& path, Hive hive) {
    StyleLoadResult result;
    SettingsKey key;
    if (!key.Open(hive, path, OpenMode::Read)) return result;
    result.fontRead = ReadFont(key, group.Font());
    if (!key.OpenSub(kColorsKey)) return result;
    ReadColors(key, group.Styles());
    result.colorsRead = true;
    return result;
}

} // namespace

StyleLoadResult StyleSettings::Load(PaneResources& group, const std::string& path, Hive hive) {
    StyleLoadResult result = LoadStored(group, path, hive);
    if (hive == Hive::CurrentUser && UnsavedStyles::ApplyTo(group, path)) result = {true, true};
    return result;
}

// One write for the whole group, so that two windows saving at once cannot mix their styles.
StoreResult StyleSettings::Save(const PaneResources& group, const std::string& path) {
    SettingsBatch batch(Hive::CurrentUser);
    const bool written = WriteGroup(group, path);
    const bool committed = batch.Commit();
    StoreResult result;
    if (!written || !committed) {
        result.failure = batch.FailureOrWriteError();
    }
    if (result) {
        UnsavedStyles::Forget(path);
    } else {
        UnsavedStyles::Keep(group, path);
    }
    return result;
}

} // namespace varnex
