// The settings built into the program lie below the machine-wide hive: readers see them, writers
// never copy them into a file, and every shipped text parses.
#include "common/HiveLayers.h"
#include "common/BuiltinSettings.h"
#include "common/HiveFormat.h"
#include "common/SettingsKey.h"

#include "tests/common/support/HiveScratch.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace varnex {
namespace {

using ShippedSettingsTest = test::HiveScratch;

constexpr const char* kTextPath = "Software\\Tamsel\\Scribent\\Text";

std::string TextValue(Hive hive, const std::string& path, const std::string& name) {
    SettingsKey key;
    if (!key.Open(hive, path, OpenMode::Read)) return "<no key>";
    const std::optional<std::vector<char>> bytes = key.ReadAlloc(name, ValueType::String);
    return bytes ? std::string(bytes->data()) : "<no value>";
}

TEST(BuiltinSettingsTest, EveryShippedTextParses) {
    ASSERT_FALSE(BuiltinSettingsTexts().empty());
    for (const std::string_view text : BuiltinSettingsTexts()) {
        const HiveParseResult parsed = ParseHive(text);
        EXPECT_TRUE(parsed.ok) << "line " << parsed.errorLine << " of\n" << text.substr(0, 200);
    }
}

TEST_F(ShippedSettingsTest, MachineReadersSeeTheShippedSettingsUnderTheFilesOwn) {
    EXPECT_EQ(TextValue(Hive::LocalMachine, kTextPath, ".c"), "C");
    EXPECT_EQ(TextValue(Hive::CurrentUser, kTextPath, ".c"), "<no key>");
    WriteText(MachineHive(), "Windows Registry Editor Version 5.00\n\n"
                             "[HKEY_LOCAL_MACHINE\\Software\\Tamsel\\Scribent\\Text]\n"
                             "\".c\"=\"Mine\"\n");
    EXPECT_EQ(TextValue(Hive::LocalMachine, kTextPath, ".c"), "Mine");
    EXPECT_EQ(TextValue(Hive::LocalMachine, kTextPath, ".h"), "C");
}

TEST_F(ShippedSettingsTest, AMachineWriteStoresOnlyWhatDiffersFromTheShippedSettings) {
    SettingsKey key;
    ASSERT_TRUE(key.Open(Hive::LocalMachine, kTextPath, OpenMode::Create));
    const std::string c = "C";
    ASSERT_TRUE(key.Write(c.c_str(), c.size() + 1, ".cc", ValueType::String));
    ASSERT_TRUE(key.Write(c.c_str(), c.size() + 1, ".c", ValueType::String));
    const std::string file = ReadText(MachineHive());
    EXPECT_NE(file.find("\".cc\"=\"C\""), std::string::npos) << file;
    EXPECT_EQ(file.find("\".c\"="), std::string::npos) << "already shipped:\n" << file;
    EXPECT_EQ(file.find("Group1"), std::string::npos) << file;
    // Once the file holds a value of its own it keeps it, even when it equals the shipped one.
    ASSERT_TRUE(key.Write(c.c_str(), c.size() + 1, ".h", ValueType::String));
    EXPECT_EQ(TextValue(Hive::LocalMachine, kTextPath, ".cc"), "C");
}

TEST(HiveLayersTest, TheTopLayerKeepsItsOwnKeysAndNewValuesOnly) {
    HiveKey base;
    base.CreateSub("A").SetValue("x", ValueType::String, "1");
    base.CreateSub("B").SetValue("y", ValueType::String, "2");
    HiveKey previousTop;
    previousTop.CreateSub("B");
    HiveKey merged = MergeLayers(base, previousTop);
    merged.CreateSub("A").SetValue("x", ValueType::String, "changed");
    merged.CreateSub("C");
    const HiveKey top = TopLayerOf(merged, base, previousTop);
    ASSERT_NE(top.FindSub("A"), nullptr);
    ASSERT_NE(top.FindSub("A")->FindValue("x"), nullptr);
    EXPECT_EQ(top.FindSub("A")->FindValue("x")->data, "changed");
    ASSERT_NE(top.FindSub("B"), nullptr) << "a key the file held stays";
    EXPECT_EQ(top.FindSub("B")->FindValue("y"), nullptr) << "the base's value is not copied";
    EXPECT_NE(top.FindSub("C"), nullptr) << "a new empty key is kept";
    const HiveKey again = MergeLayers(base, top);
    EXPECT_EQ(FormatHive(again), FormatHive(merged));
}

} // namespace
} // namespace varnex
