// Tests of batched writes: collected, read back by their thread, stored in one write or forgotten.
#include "common/HiveFile.h"
#include "common/SettingsBatch.h"
#include "common/SettingsKey.h"

#include "tests/common/support/HiveScratch.h"

#include <gtest/gtest.h>

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
        root.CreatePath({"HKEY_CURRENT_USER", "Other"}).SetValue("Third", ValueType::Number,
                                                                  std::string(4, '\0'));
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

} // namespace
} // namespace varnex
