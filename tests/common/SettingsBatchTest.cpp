// Tests of batched writes: collected, read back by their thread, stored in one write or forgotten.
#include "common/SettingsBatch.h"
#include "common/HiveFile.h"
#include "common/SettingsKey.h"

#include "tests/common/support/HiveScratch.h"
#include "tests/support/ScopedVariable.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <string>

namespace varnex {
namespace {

using SettingsBatchTest = test::HiveScratch;

bool WriteNumber(SettingsKey& key, const std::string& name, std::uint32_t number) {
    return key.Write(&number, sizeof number, name, ValueType::Number);
}

bool HasNumber(SettingsKey& key, const std::string& name) {
    std::uint32_t number = 0;
    return key.Read(&number, sizeof number, name, ValueType::Number);
}

TEST_F(SettingsBatchTest, WritesAreStoredOnlyOnCommitOverWhatOthersWroteMeanwhile) {
    SettingsBatch batch(Hive::CurrentUser);
    SettingsKey key;
    ASSERT_TRUE(key.Open(Hive::CurrentUser, "Software\\Batch", OpenMode::Create));
    ASSERT_TRUE(WriteNumber(key, "First", 1));
    ASSERT_TRUE(key.OpenSub("Sub"));
    ASSERT_TRUE(WriteNumber(key, "Second", 2));
    EXPECT_TRUE(HasNumber(key, "Second"));
    EXPECT_EQ(ReadText(UserHive()).find("Second"), std::string::npos);

    // Another process's write while the batch collects: a separate HiveFile on the same path.
    HiveFile other(UserHive());
    ASSERT_EQ(other.Modify([](HiveKey& root) {
        root.CreatePath({"HKEY_CURRENT_USER", "Other"})
            .SetValue("Third", ValueType::Number, std::string(4, '\0'));
        return kErrorSuccess;
    }),
              kErrorSuccess);

    ASSERT_TRUE(batch.Commit());
    const std::string stored = ReadText(UserHive());
    for (const char* name : {"First", "Second", "Third"})
        EXPECT_NE(stored.find(name), std::string::npos) << name;
}

TEST_F(SettingsBatchTest, UncommittedWritesAreForgotten) {
    {
        SettingsBatch batch(Hive::CurrentUser);
        SettingsKey key;
        ASSERT_TRUE(key.Open(Hive::CurrentUser, "Software\\Batch", OpenMode::Create));
        ASSERT_TRUE(WriteNumber(key, "Dropped", 1));
    }
    SettingsKey key;
    EXPECT_FALSE(key.Open(Hive::CurrentUser, "Software\\Batch", OpenMode::Read));
    EXPECT_FALSE(std::filesystem::exists(UserHive()));
}

// Paths no process may write, not even root's: the test runs as root in CI.
TEST_F(SettingsBatchTest, AnUnwritableHiveStoresNothingAndTellsItsFileAndReason) {
    WriteText((Folder() / "plain").string(), "a file, not a folder");
    std::filesystem::create_directories(Folder() / "folder.reg");
    const struct {
        std::string hive;
        int error;
    } cases[] = {
        {(Folder() / "plain" / "user.reg").string(), ENOTDIR},
        {(Folder() / "folder.reg").string(), EISDIR},
    };
    for (const auto& unwritable : cases) {
        SCOPED_TRACE(unwritable.hive);
        const test::ScopedVariable hive("TAMSEL_USER_HIVE", unwritable.hive.c_str());
        SettingsBatch batch(Hive::CurrentUser);
        SettingsKey key;
        EXPECT_FALSE(key.Open(Hive::CurrentUser, "Software\\Batch", OpenMode::Create));
        EXPECT_FALSE(batch.Commit());
        ASSERT_TRUE(batch.Failure().has_value());
        EXPECT_EQ(batch.Failure()->path, unwritable.hive);
        EXPECT_EQ(batch.Failure()->error, unwritable.error);
    }
}

} // namespace
} // namespace varnex
