// Tests of the files a hive write touches: temporaries left by killed writers, owners kept.
#include "common/SettingsKey.h"

#include "tests/common/support/HiveScratch.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <sys/stat.h>
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

// Another user's hive, as "sudo varnex" meets it.
constexpr uid_t kOtherUser = 65534;
constexpr gid_t kOtherGroup = 65534;

bool OwnedByOtherUser(const std::string& path) {
    struct stat info;
    return lstat(path.c_str(), &info) == 0 && info.st_uid == kOtherUser &&
           info.st_gid == kOtherGroup;
}

TEST_F(HiveWriteFilesTest, RootWritingAnotherUsersHiveKeepsItsOwner) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to give files to another user";
    namespace fs = std::filesystem;
    for (const bool throughLink : {false, true}) {
        SCOPED_TRACE(throughLink ? "symlinked hive" : "hive");
        const std::string file = (Folder() / (throughLink ? "real.reg" : "user.reg")).string();
        fs::remove(file + ".lock");
        WriteText(file, "Windows Registry Editor Version 5.00\n");
        ASSERT_EQ(chown(file.c_str(), kOtherUser, kOtherGroup), 0);
        if (throughLink && !fs::is_symlink(UserHive())) {
            fs::remove(UserHive());
            fs::create_symlink("real.reg", UserHive());
        }
        ASSERT_TRUE(WriteNumber(Hive::CurrentUser, "Value", throughLink ? 2 : 1));
        EXPECT_TRUE(OwnedByOtherUser(file));
        EXPECT_TRUE(OwnedByOtherUser(file + ".lock"));
        EXPECT_NE(ReadText(file).find("\"Value\"=dword:"), std::string::npos);
        EXPECT_EQ(fs::is_symlink(UserHive()), throughLink);
    }
}

// A writer that may not give its file to the hive's owner leaves the hive as it is.
TEST_F(HiveWriteFilesTest, WriterThatCannotKeepTheOwnerLeavesTheHiveAlone) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to act as two other users";
    const std::string original = "Windows Registry Editor Version 5.00\n";
    WriteText(UserHive(), original);
    WriteText(UserHive() + ".lock", "");
    for (const std::string& file : {UserHive(), UserHive() + ".lock"}) {
        ASSERT_EQ(chown(file.c_str(), kOtherUser, kOtherGroup), 0);
        ASSERT_EQ(chmod(file.c_str(), 0666), 0);
    }
    // The scratch folder above is root's alone; the other user must reach the hive's folder.
    struct stat scratch;
    ASSERT_EQ(stat(Folder().parent_path().c_str(), &scratch), 0);
    ASSERT_EQ(chmod(Folder().parent_path().c_str(), 0711), 0);
    ASSERT_EQ(chmod(Folder().c_str(), 0777), 0);
    const pid_t child = fork();
    if (child == 0) {
        const bool dropped = setgid(kOtherGroup - 1) == 0 && setuid(kOtherUser - 1) == 0;
        _exit(dropped && !WriteNumber(Hive::CurrentUser, "Value", 1) ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    chmod(Folder().parent_path().c_str(), scratch.st_mode & 07777);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the write did not fail";
    EXPECT_EQ(ReadText(UserHive()), original);
    EXPECT_TRUE(OwnedByOtherUser(UserHive()));
}

} // namespace
} // namespace varnex
