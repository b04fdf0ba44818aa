// Tests of the settings cursor: hives, open modes, nesting, enumeration, typed reads and writes.
#include "common/SettingsKey.h"

#include "tests/common/support/HiveScratch.h"
#include "tests/support/Joined.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <set>
#include <string>

namespace varnex {
namespace {

using namespace std::string_literals;
using SettingsKeyTest = test::HiveScratch;

bool WriteString(SettingsKey& key, const std::string& name, const std::string& bytes) {
    return key.Write(bytes.data(), bytes.size(), name, ValueType::String);
}

bool WriteNumber(SettingsKey& key, const std::string& name, std::uint32_t number) {
    return key.Write(&number, sizeof number, name, ValueType::Number);
}

TEST_F(SettingsKeyTest, OpenModesReadWriteAndCreate) {
    SettingsKey key;
    EXPECT_FALSE(key.Open(Hive::CurrentUser, "Software\\A\\B", OpenMode::Read));
    EXPECT_EQ(key.LastError(), kErrorReadOnly);
    EXPECT_FALSE(key.Open(Hive::CurrentUser, "Software\\A\\B", OpenMode::ReadWrite));
    EXPECT_EQ(key.LastError(), kErrorNotFound);
    ASSERT_TRUE(key.Open(Hive::CurrentUser, "Software\\A\\B", OpenMode::Create));
    ASSERT_TRUE(WriteNumber(key, "N", 7));

    SettingsKey reader;
    ASSERT_TRUE(reader.Open(Hive::CurrentUser, "software\\a", OpenMode::Read));
    EXPECT_TRUE(reader.OpenSub("b"));
    std::uint32_t number = 0;
    EXPECT_TRUE(reader.Read(&number, sizeof number, "n", ValueType::Number));
    EXPECT_EQ(number, 7u);
    EXPECT_FALSE(WriteNumber(reader, "N", 8));
    EXPECT_EQ(reader.LastError(), kErrorReadOnly);
    EXPECT_FALSE(reader.OpenSub("Missing"));
    EXPECT_EQ(reader.LastError(), kErrorNotFound);
}

TEST_F(SettingsKeyTest, WithoutAnOpenKeyEverythingFailsWith22549) {
    SettingsKey key;
    char buffer[8] = "x";
    EXPECT_FALSE(key.Read(buffer, sizeof buffer, "A", ValueType::String));
    EXPECT_EQ(key.LastError(), kErrorNoKeyOpen);
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_FALSE(key.OpenSub("A"));
    EXPECT_EQ(key.LastError(), kErrorNoKeyOpen);
    EXPECT_FALSE(WriteNumber(key, "A", 1));
    EXPECT_EQ(key.LastError(), kErrorNoKeyOpen);
    EXPECT_FALSE(key.Close());
    EXPECT_EQ(key.LastError(), kErrorNoKeyOpen);
    EXPECT_EQ(key.ValueSize("A"), -1);
}

TEST_F(SettingsKeyTest, EleventhNestedSubKeyFailsAndLeavesTenOpen) {
    SettingsKey key;
    ASSERT_TRUE(key.Open(Hive::CurrentUser, "Deep", OpenMode::Create));
    for (int level = 1; level <= 10; ++level)
        ASSERT_TRUE(key.OpenSub(test::Joined("L", level)));
    EXPECT_FALSE(key.OpenSub("L11"));
    EXPECT_EQ(key.LastError(), kErrorNestingLimit);
    EXPECT_FALSE(key.OpenSubNext());
    EXPECT_EQ(key.LastError(), kErrorNestingLimit);
    EXPECT_EQ(key.Depth(), 11u);
    EXPECT_EQ(key.KeyName(), "L10");
    ASSERT_TRUE(key.Close());
    EXPECT_EQ(key.KeyName(), "L9");
    EXPECT_TRUE(WriteNumber(key, "AtNine", 9));
    key.CloseAll();
    EXPECT_FALSE(key.IsOpen());

    SettingsKey reader;
    ASSERT_TRUE(
        reader.Open(Hive::CurrentUser, "Deep\\L1\\L2\\L3\\L4\\L5\\L6\\L7\\L8\\L9", OpenMode::Read));
    EXPECT_EQ(reader.ValueSize("AtNine"), 4);
    EXPECT_FALSE(reader.OpenSub("L10\\L11"));
}

TEST_F(SettingsKeyTest, StringsComeBackTerminated) {
    SettingsKey key;
    ASSERT_TRUE(key.Open(Hive::CurrentUser, "Strings", OpenMode::Create));
    ASSERT_TRUE(WriteString(key, "Bare", "abc"));
    char roomy[8];
    std::memset(roomy, 'x', sizeof roomy);
    EXPECT_TRUE(key.Read(roomy, sizeof roomy, "Bare", ValueType::String));
    EXPECT_STREQ(roomy, "abc");
    EXPECT_EQ(key.LastSize(), 4u);

    char exact[3] = {'x', 'x', 'x'};
    EXPECT_FALSE(key.Read(exact, sizeof exact, "Bare", ValueType::String));
    EXPECT_EQ(key.LastError(), kErrorMoreData);
    EXPECT_EQ(exact[0], '\0');
    EXPECT_EQ(key.LastSize(), 4u);

    const std::optional<std::vector<char>> owned = key.ReadAlloc("Bare", ValueType::String);
    ASSERT_TRUE(owned);
    EXPECT_EQ(std::string(owned->begin(), owned->end()), "abc\0"s);
}

TEST_F(SettingsKeyTest, MultiStringGetsItsDoubleTerminator) {
    SettingsKey key;
    ASSERT_TRUE(key.Open(Hive::CurrentUser, "Strings", OpenMode::Create));
    const std::string list = "one\0two"s;
    ASSERT_TRUE(key.Write(list.data(), list.size(), "Find", ValueType::MultiString));
    EXPECT_EQ(key.ValueSize("Find"), 7);
    char buffer[9];
    ASSERT_TRUE(key.Read(buffer, sizeof buffer, "Find", ValueType::MultiString));
    EXPECT_EQ(std::string(buffer, sizeof buffer), "one\0two\0\0"s);
    char tight[8] = "xxxxxxx";
    EXPECT_FALSE(key.Read(tight, sizeof tight, "Find", ValueType::MultiString));
    EXPECT_EQ(key.LastError(), kErrorMoreData);
    EXPECT_EQ(std::string(tight, 2), "\0\0"s);
}

TEST_F(SettingsKeyTest, FailedReadsEmptyStringBuffersAndSayWhy) {
    SettingsKey key;
    ASSERT_TRUE(key.Open(Hive::CurrentUser, "Values", OpenMode::Create));
    ASSERT_TRUE(WriteNumber(key, "Number", 5));
    char text[8] = "stale";
    EXPECT_FALSE(key.Read(text, sizeof text, "Missing", ValueType::String));
    EXPECT_EQ(key.LastError(), kErrorNotFound);
    EXPECT_STREQ(text, "");
    std::strcpy(text, "stale");
    EXPECT_FALSE(key.Read(text, sizeof text, "Number", ValueType::String));
    EXPECT_EQ(key.LastError(), kErrorUnsupportedType);
    EXPECT_STREQ(text, "");
    std::uint16_t small = 0;
    EXPECT_FALSE(key.Read(&small, sizeof small, "Number", ValueType::Number));
    EXPECT_EQ(key.LastError(), kErrorMoreData);
    EXPECT_FALSE(key.Write(nullptr, 4, "Null", ValueType::Binary));
    EXPECT_EQ(key.LastError(), kErrorNoData);
    EXPECT_EQ(key.ValueSize("Missing"), -1);
    EXPECT_FALSE(key.ReadAlloc("Missing", ValueType::Any));
}

TEST_F(SettingsKeyTest, DefaultValueAndBinaryWithZeros) {
    SettingsKey key;
    ASSERT_TRUE(key.Open(Hive::CurrentUser, "Values", OpenMode::Create));
    ASSERT_TRUE(WriteString(key, "", "dflt"s + '\0'));
    const std::string blob = "\0a\0\n\"]"s;
    ASSERT_TRUE(key.Write(blob.data(), blob.size(), "Blob", ValueType::Binary));
    key.CloseAll();

    ASSERT_TRUE(key.Open(Hive::CurrentUser, "Values", OpenMode::Read));
    char text[16];
    ASSERT_TRUE(key.ReadDefault(text, sizeof text, ValueType::String));
    EXPECT_STREQ(text, "dflt");
    const auto read = key.ReadAlloc("BLOB", ValueType::Binary);
    ASSERT_TRUE(read);
    EXPECT_EQ(std::string(read->begin(), read->end()), blob);
}

TEST_F(SettingsKeyTest, EnumerationVisitsEverySubKeyAndValueOnce) {
    SettingsKey key;
    ASSERT_TRUE(key.Open(Hive::CurrentUser, "Colors", OpenMode::Create));
    const std::set<std::string> ids = {"1", "2", "7", "Zeta", "alpha"};
    for (const std::string& id : ids) {
        ASSERT_TRUE(key.OpenSub(id));
        ASSERT_TRUE(WriteNumber(key, "BG", 1));
        ASSERT_TRUE(WriteNumber(key, "TX", 2));
        ASSERT_TRUE(key.Close());
    }
    std::multiset<std::string> visited;
    std::multiset<std::string> values;
    while (key.OpenSubNext()) {
        visited.insert(key.KeyName());
        std::uint32_t number;
        while (key.ReadNext(&number, sizeof number, ValueType::Number))
            values.insert(key.ValueName());
        EXPECT_EQ(key.LastError(), kErrorNoMoreItems);
        ASSERT_TRUE(key.Close());
    }
    EXPECT_EQ(key.LastError(), kErrorNoMoreItems);
    EXPECT_EQ(visited, std::multiset<std::string>(ids.begin(), ids.end()));
    EXPECT_EQ(values.count("BG"), ids.size());
    EXPECT_EQ(values.count("TX"), ids.size());
}

TEST_F(SettingsKeyTest, ReadNextThatLacksRoomCanBeRepeated) {
    SettingsKey key;
    ASSERT_TRUE(key.Open(Hive::CurrentUser, "Values", OpenMode::Create));
    ASSERT_TRUE(WriteString(key, "Long", "a long text"));
    ASSERT_EQ(key.ValueSizeNext(), 11);
    char small[4];
    EXPECT_FALSE(key.ReadNext(small, sizeof small, ValueType::Any));
    EXPECT_EQ(key.LastError(), kErrorMoreData);
    std::vector<char> big(key.LastSize());
    EXPECT_TRUE(key.ReadNext(big.data(), big.size(), ValueType::Any));
    EXPECT_STREQ(big.data(), "a long text");
    EXPECT_EQ(key.ValueName(), "Long");
}

TEST_F(SettingsKeyTest, LongValueNamesAreCutInTheNameBuffer) {
    SettingsKey key;
    ASSERT_TRUE(key.Open(Hive::CurrentUser, "Values", OpenMode::Create));
    const std::string name(300, 'n');
    ASSERT_TRUE(WriteNumber(key, name, 1));
    std::uint32_t number;
    ASSERT_TRUE(key.ReadNext(&number, sizeof number, ValueType::Number));
    EXPECT_EQ(key.ValueName(), name.substr(0, SettingsKey::kMaxValueNameLength));
    EXPECT_EQ(key.ValueSize(name), 4);
}

TEST_F(SettingsKeyTest, HivePrefixSelectsTheHive) {
    SettingsKey machine;
    ASSERT_TRUE(machine.Open(Hive::None, "HKEY_LOCAL_MACHINE\\Software\\Shared", OpenMode::Create));
    ASSERT_TRUE(WriteNumber(machine, "Where", 1));
    SettingsKey user;
    ASSERT_TRUE(user.Open(Hive::None, "Software\\Shared", OpenMode::Create));
    ASSERT_TRUE(WriteNumber(user, "Where", 2));
    machine.CloseAll();
    user.CloseAll();

    std::uint32_t where = 0;
    ASSERT_TRUE(machine.Open(Hive::LocalMachine, "Software\\Shared", OpenMode::Read));
    ASSERT_TRUE(machine.Read(&where, sizeof where, "Where", ValueType::Number));
    EXPECT_EQ(where, 1u);
    ASSERT_TRUE(user.Open(Hive::None, "HKEY_CURRENT_USER\\Software\\Shared", OpenMode::Read));
    ASSERT_TRUE(user.Read(&where, sizeof where, "Where", ValueType::Number));
    EXPECT_EQ(where, 2u);
    EXPECT_NE(ReadText(MachineHive()).find("[HKEY_LOCAL_MACHINE\\Software\\Shared]"),
              std::string::npos);
    EXPECT_NE(ReadText(UserHive()).find("[HKEY_CURRENT_USER\\Software\\Shared]"),
              std::string::npos);
    EXPECT_EQ(user.OpenHive(), Hive::CurrentUser);
    EXPECT_TRUE(user.Open(Hive::None, "HKEY_LOCAL_MACHINE", OpenMode::Read));
    EXPECT_EQ(user.OpenHive(), Hive::LocalMachine);
    EXPECT_FALSE(user.Open(Hive::None, "HKEY_LOCAL_MACHINEX\\Software\\Shared", OpenMode::Read));
}

TEST_F(SettingsKeyTest, HiveKeyItselfExistsInAnEmptyHive) {
    SettingsKey key;
    ASSERT_TRUE(key.Open(Hive::None, "HKEY_CURRENT_USER", OpenMode::Read));
    EXPECT_FALSE(key.OpenSubNext());
    EXPECT_EQ(key.LastError(), kErrorNoMoreItems);
    ASSERT_TRUE(key.Open(Hive::CurrentUser, "", OpenMode::ReadWrite));
    EXPECT_TRUE(WriteNumber(key, "AtTop", 1));
    EXPECT_NE(ReadText(UserHive()).find("[HKEY_CURRENT_USER]\n\"AtTop\"=dword:00000001"),
              std::string::npos);
}

TEST_F(SettingsKeyTest, AbsentPathIsTheProgramsOwnPath) {
    SettingsKey key;
    ASSERT_TRUE(key.Open(Hive::CurrentUser, OpenMode::Create));
    ASSERT_TRUE(WriteNumber(key, "ViewMode", 1));
    EXPECT_NE(ReadText(UserHive()).find("[HKEY_CURRENT_USER\\Software\\Tamsel\\Varnex]"),
              std::string::npos);
}

TEST_F(SettingsKeyTest, HivesWithoutAFileAreEmptyAndRefuseWrites) {
    SettingsKey key;
    EXPECT_FALSE(key.Open(Hive::None, "HKEY_CLASSES_ROOT\\.txt", OpenMode::Read));
    EXPECT_EQ(key.LastError(), kErrorReadOnly);
    EXPECT_FALSE(key.Open(Hive::Users, "X", OpenMode::Create));
    EXPECT_EQ(key.LastError(), kErrorAccessDenied);
}

TEST_F(SettingsKeyTest, MachineHiveThatCannotBeCreatedIsEmptyAndRefusesWrites) {
    WriteText((Folder() / "plain file").string(), "not a folder");
    setenv("TAMSEL_MACHINE_HIVE", (Folder() / "plain file" / "machine.reg").c_str(), 1);
    SettingsKey key;
    // Only the settings built into the program are left.
    EXPECT_FALSE(key.Open(Hive::LocalMachine, "Software\\Elsewhere", OpenMode::Read));
    EXPECT_EQ(key.LastError(), kErrorReadOnly);
    EXPECT_TRUE(key.Open(Hive::LocalMachine, "Software\\Tamsel\\Scribent\\Text", OpenMode::Read));
    EXPECT_FALSE(key.Open(Hive::LocalMachine, "Software", OpenMode::Create));
    EXPECT_EQ(key.LastError(), kErrorAccessDenied);
}

TEST_F(SettingsKeyTest, ReadOnlyMachineHiveIsReadButNotWritten) {
    WriteText(MachineHive(), "Windows Registry Editor Version 5.00\n\n"
                             "[HKEY_LOCAL_MACHINE\\Software\\Tamsel\\Scribent\\Text]\n"
                             "\"Tabualtor\"=dword:00000008\n");
    std::filesystem::permissions(MachineHive(), std::filesystem::perms::owner_read);
    if (access(MachineHive().c_str(), W_OK) == 0) GTEST_SKIP() << "running with root rights";

    SettingsKey key;
    ASSERT_TRUE(key.Open(Hive::LocalMachine, "Software\\Tamsel\\Scribent\\Text", OpenMode::Read));
    std::uint32_t tab = 0;
    EXPECT_TRUE(key.Read(&tab, sizeof tab, "Tabualtor", ValueType::Number));
    EXPECT_EQ(tab, 8u);
    EXPECT_FALSE(
        key.Open(Hive::LocalMachine, "Software\\Tamsel\\Scribent\\Text", OpenMode::ReadWrite));
    EXPECT_EQ(key.LastError(), kErrorAccessDenied);
    EXPECT_TRUE(key.Open(Hive::CurrentUser, "Software\\Tamsel\\Scribent\\Text", OpenMode::Create));
}

} // namespace
} // namespace varnex
