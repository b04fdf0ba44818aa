// The settings shipped inside the program: a layer below the machine-wide hive, never written.
#include "common/BuiltinSettings.h"

#include "common/HiveFormat.h"
#include "common/HiveLayers.h"

namespace varnex {

namespace {

std::shared_ptr<const HiveKey> ReadShippedTexts() {
    HiveKey tree;
    for (const std::string_view text : BuiltinSettingsTexts()) {
        const HiveParseResult parsed = ParseHive(text);
        if (parsed.ok) tree = MergeLayers(tree, parsed.root);
    }
    return std::make_shared<const HiveKey>(std::move(tree));
}

} // namespace

std::shared_ptr<const HiveKey> BuiltinSettings() {
    static const std::shared_ptr<const HiveKey> tree = ReadShippedTexts();
    return tree;
}

} // namespace varnex
