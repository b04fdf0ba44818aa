// Syntax configurations in the settings: chosen by a file type key, read from the user's hive
// over the machine-wide one (and the settings built into the program below that).
#include "textview/model/syntax/SyntaxSettings.h"

#include "common/SettingsKey.h"
#include "common/SettingsNumbers.h"
#include "common/SettingsText.h"
#include "textview/model/syntax/ConfiguredScanner.h"
#include "textview/model/syntax/SyntaxText.h"

#include <array>

namespace varnex {

namespace {

constexpr std::array<Hive, 2> kHiveOrder = {Hive::CurrentUser, Hive::LocalMachine};
constexpr std::array<std::string_view, kWordGroupCount> kGroupValues = {
    "Group1", "Group2", "Group3", "Group4", "Group5"};

bool IsFileTypeKey(const std::string& name) {
    return !name.empty() && (name.front() == '.' || name.front() == '#');
}

std::optional<std::string> ConfigurationKeyName(const std::string& settingsPath,
                                                const std::string& name) {
    if (!IsFileTypeKey(name)) return name;
    for (const Hive hive : kHiveOrder) {
        SettingsKey root;
        if (!root.Open(hive, settingsPath, OpenMode::Read)) continue;
        if (std::optional<std::string> keyName = ReadText(root, name)) return keyName;
    }
    return std::nullopt;
}

bool IsText(ValueType type) {
    return type == ValueType::String || type == ValueType::ExpandString ||
           type == ValueType::MultiString;
}

// The configuration key in both hives; a value comes from the first that has it.
class LayeredKey {
public:
    bool Open(const std::string& path) {
        bool any = false;
        for (std::size_t k = 0; k < keys_.size(); ++k)
            any = keys_[k].Open(kHiveOrder[k], path, OpenMode::Read) || any;
        return any;
    }

    // A string's or multi-string's bytes, zero bytes included.
    std::optional<std::string> Text(std::string_view name) {
        for (SettingsKey& key : keys_) {
            if (!key.IsOpen()) continue;
            const std::optional<std::vector<char>> bytes = key.ReadAlloc(name, ValueType::Any);
            if (bytes && IsText(key.LastType())) return std::string(bytes->begin(), bytes->end());
        }
        return std::nullopt;
    }

    std::optional<std::uint32_t> Number(std::string_view name) {
        for (SettingsKey& key : keys_) {
            if (!key.IsOpen()) continue;
            if (const std::optional<std::uint32_t> number = ReadNumber(key, name)) return number;
        }
        return std::nullopt;
    }

private:
    std::array<SettingsKey, kHiveOrder.size()> keys_;
};

SyntaxTexts ReadTexts(LayeredKey& key) {
    SyntaxTexts texts;
    texts.letters = key.Text("Letters");
    texts.words = key.Text("Words");
    texts.numbers = key.Text("Numbers");
    texts.separators = key.Text("Separators").value_or("");
    texts.bracketOn = key.Text("BracketOn").value_or("");
    texts.bracketOff = key.Text("BracketOff").value_or("");
    for (std::size_t group = 0; group < kGroupValues.size(); ++group)
        texts.groups[group] = key.Text(kGroupValues[group]).value_or("");
    texts.until = key.Text("Until").value_or("");
    texts.fixed = key.Text("Fixed").value_or("");
    texts.colorArray = key.Text("ColorArray").value_or("");
    texts.upperLower = key.Number("UpperLower").value_or(0) != 0;
    return texts;
}

} // namespace

std::optional<SyntaxConfig> ReadSyntaxSettings(const std::string& settingsPath,
                                               const std::string& name) {
    const std::optional<std::string> keyName = ConfigurationKeyName(settingsPath, name);
    if (!keyName || keyName->empty()) return std::nullopt;
    LayeredKey key;
    if (!key.Open(settingsPath + "\\" + *keyName)) return std::nullopt;
    return ParseSyntaxConfig(ReadTexts(key));
}

std::unique_ptr<SyntaxScanner> FindConfiguredScanner(const std::string& settingsPath,
                                                     const std::string& name) {
    const std::optional<SyntaxConfig> config = ReadSyntaxSettings(settingsPath, name);
    if (!config) return nullptr;
    return std::make_unique<ConfiguredScanner>(*config);
}

} // namespace varnex
