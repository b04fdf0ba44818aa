// Tests of the files around a hive that a write touches: temporaries left by killed writers.
#include "common/SettingsKey.h"

#include "tests/common/support/HiveScratch.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace varnex {
namespace {

using HiveWriteFilesTest = test::HiveScratch;

bool WriteNumber(Hive hive, const std::string& name, std::uint32_t number) {
    SettingsKey key;
    return key.Open(hive, "Software\\Files", OpenMode::Create) &&
           key.Write(&number, sizeof number, name, ValueType::Number);
}

// The id of a process that has ended and been reaped.
pid_t EndedProcess() {
    const pid_t child = fork();
    if (child == 0) _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}

TEST_F(HiveWriteFilesTest, TemporariesOfEndedWritersOfThisHiveAreRemoved) {
    const std::string dead = std::to_string(EndedProcess());
    const std::string living = std::to_string(getppid());
    const struct {
        std::string name;
        bool removed;
    } cases[] = {
        {"user.reg.tmp." + dead, true},
        {"user.reg.tmp." + living, false},     // its writer may still rename it
        {"machine.reg.tmp." + dead, false},    // another hive's
        {"user.reg.tmp." + dead + "x", false}, // not a writer's name
        {"user.reg.tmp.+" + dead, false},
        {"user.reg.tmp.", false},
        {"xuser.reg.tmp." + dead, false},
    };
    for (const auto& file : cases)
        WriteText((Folder() / file.name).string(), "left over");

    ASSERT_TRUE(WriteNumber(Hive::CurrentUser, "Value", 1));
    for (const auto& file : cases)
        EXPECT_EQ(std::filesystem::exists(Folder() / file.name), !file.removed) << file.name;
}

} // namespace
} // namespace varnex
