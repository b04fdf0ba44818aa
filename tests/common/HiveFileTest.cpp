// Tests of hive files shared by processes: visibility, concurrent writers, damage, caching.
#include "common/HiveFile.h"
#include "common/HiveFiles.h"
#include "common/SettingsKey.h"

#include "tests/common/support/HiveScratch.h"
#include "tests/common/support/Utf16File.h"
#include "tests/support/Joined.h"
#include "tests/support/ScopedVariable.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace varnex {
namespace {

using HiveFileTest = test::HiveScratch;

constexpr int kWriterProcesses = 8;
constexpr int kValuesPerWriter = 200;

bool WriteNumber(SettingsKey& key, const std::string& name, std::uint32_t number) {
    return key.Write(&number, sizeof number, name, ValueType::Number);
}

std::uint32_t ReadNumber(SettingsKey& key, const std::string& name) {
    std::uint32_t number = 0;
    EXPECT_TRUE(key.Read(&number, sizeof number, name, ValueType::Number)) << key.LastError();
    return number;
}

// Runs `work` in a child process; returns the child's id. The child exits 0 when `work` is true.
template <typename Work> pid_t RunInChild(Work work) {
    const pid_t child = fork();
    if (child == 0) _exit(work() ? 0 : 1);
    return child;
}

bool ExitedCleanly(pid_t child) {
    int status = 0;
    return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::size_t Occurrences(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

TEST_F(HiveFileTest, ValueWrittenByAnotherProcessIsRead) {
    SettingsKey reader;
    ASSERT_TRUE(reader.Open(Hive::CurrentUser, "Messages", OpenMode::Create));
    ASSERT_TRUE(WriteNumber(reader, "State", 1));
    EXPECT_EQ(ReadNumber(reader, "State"), 1u);

    const pid_t child = RunInChild([] {
        SettingsKey writer;
        return writer.Open(Hive::CurrentUser, "Messages", OpenMode::ReadWrite) &&
               WriteNumber(writer, "State", 2) && WriteNumber(writer, "Other", 3);
    });
    ASSERT_TRUE(ExitedCleanly(child));
    EXPECT_EQ(ReadNumber(reader, "State"), 2u);
    EXPECT_EQ(ReadNumber(reader, "Other"), 3u);
}

TEST_F(HiveFileTest, ConcurrentWritersLoseNothing) {
    std::vector<pid_t> children;
    for (int writer = 0; writer < kWriterProcesses; ++writer) {
        children.push_back(RunInChild([writer] {
            SettingsKey key;
            if (!key.Open(Hive::CurrentUser, "Stress", OpenMode::Create)) return false;
            for (int i = 0; i < kValuesPerWriter; ++i) {
                const std::string name = test::Joined("w", writer, "v", i);
                if (!WriteNumber(key, name, static_cast<std::uint32_t>(writer * 1000 + i)))
                    return false;
            }
            return true;
        }));
    }
    for (const pid_t child : children)
        EXPECT_TRUE(ExitedCleanly(child));

    SettingsKey key;
    ASSERT_TRUE(key.Open(Hive::CurrentUser, "Stress", OpenMode::Read));
    for (int writer = 0; writer < kWriterProcesses; ++writer) {
        for (int i = 0; i < kValuesPerWriter; ++i) {
            const std::string name = test::Joined("w", writer, "v", i);
            ASSERT_EQ(ReadNumber(key, name), static_cast<std::uint32_t>(writer * 1000 + i)) << name;
        }
    }
    EXPECT_FALSE(std::filesystem::exists(UserHive() + ".damaged"));
}

TEST_F(HiveFileTest, DamagedFileIsKeptAsideOnceAndDefaultsAreUsed) {
    const std::string garbage =
        "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\A]\n\x01\x02";
    WriteText(UserHive(), garbage);
    testing::internal::CaptureStderr();
    SettingsKey key;
    EXPECT_FALSE(key.Open(Hive::CurrentUser, "A", OpenMode::Read));
    EXPECT_FALSE(key.Open(Hive::CurrentUser, "A", OpenMode::Read));
    ASSERT_TRUE(key.Open(Hive::CurrentUser, "A", OpenMode::Create));
    ASSERT_TRUE(WriteNumber(key, "Fresh", 1));
    const std::string warnings = testing::internal::GetCapturedStderr();

    EXPECT_EQ(Occurrences(warnings, UserHive() + " is damaged at line 3"), 1u) << warnings;
    EXPECT_EQ(ReadText(UserHive() + ".damaged"), garbage);
    EXPECT_EQ(ReadNumber(key, "Fresh"), 1u);
}

TEST_F(HiveFileTest, TruncatedFileIsKeptAsideBesideEarlierOnes) {
    SettingsKey key;
    ASSERT_TRUE(key.Open(Hive::CurrentUser, "Software\\Tamsel\\Varnex", OpenMode::Create));
    const std::string title = "Links: a file with a long name";
    ASSERT_TRUE(key.Write(title.c_str(), title.size() + 1, "Title", ValueType::String));
    WriteText(UserHive() + ".damaged", "an earlier damaged file");
    const std::string whole = ReadText(UserHive());
    const std::string cut = whole.substr(0, whole.find("long name"));
    WriteText(UserHive(), cut);

    testing::internal::CaptureStderr();
    char text[64] = "stale";
    EXPECT_FALSE(key.Read(text, sizeof text, "Title", ValueType::String));
    EXPECT_EQ(key.LastError(), kErrorKeyDeleted);
    EXPECT_STREQ(text, "");
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(ReadText(UserHive() + ".damaged.2"), cut);
    EXPECT_EQ(ReadText(UserHive() + ".damaged"), "an earlier damaged file");
    EXPECT_FALSE(std::filesystem::exists(UserHive()));
}

TEST_F(HiveFileTest, HandWrittenFileIsReadAndHandEditsAreSeen) {
    WriteText(UserHive(), "Windows Registry Editor Version 5.00\n"
                          "\n"
                          "[HKEY_CURRENT_USER\\Software\\Tamsel\\Scribent\\Text\\Colors\\7]\n"
                          "\"Name\"=\"Kommentar\"\n"
                          "\"TX\"=dword:00000001\n");
    SettingsKey key;
    ASSERT_TRUE(key.Open(Hive::None, "Software\\Tamsel\\Scribent\\Text", OpenMode::Read));
    ASSERT_TRUE(key.OpenSub("Colors"));
    ASSERT_TRUE(key.OpenSubNext());
    EXPECT_EQ(key.KeyName(), "7");
    char name[32];
    ASSERT_TRUE(key.Read(name, sizeof name, "Name", ValueType::String));
    EXPECT_STREQ(name, "Kommentar");
    EXPECT_EQ(ReadNumber(key, "TX"), 1u);

    std::string edited = ReadText(UserHive());
    edited.replace(edited.find("00000001"), 8, "0000002a");
    WriteText(UserHive(), edited); // same size, same inode: only the times tell
    EXPECT_EQ(ReadNumber(key, "TX"), 42u);
}

TEST_F(HiveFileTest, Utf16ExportIsReadAndNotKeptAside) {
    WriteText(UserHive(), test::Utf16File(u"Windows Registry Editor Version 5.00\r\n"
                                          u"\r\n"
                                          u"[HKEY_CURRENT_USER\\Software\\Tamsel\\Varnex]\r\n"
                                          u"\"Title\"=\"Gr\u00FC\u00DFe \u20AC\"\r\n"
                                          u"\"FlatMode\"=dword:00000001\r\n"));
    testing::internal::CaptureStderr();
    SettingsKey key;
    ASSERT_TRUE(key.Open(Hive::CurrentUser, "Software\\Tamsel\\Varnex", OpenMode::ReadWrite));
    char title[16];
    ASSERT_TRUE(key.Read(title, sizeof title, "Title", ValueType::String));
    EXPECT_STREQ(title, "Gr\xFC\xDF"
                        "e \x80");
    EXPECT_EQ(ReadNumber(key, "FlatMode"), 1u);
    ASSERT_TRUE(WriteNumber(key, "FlatMode", 2));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_FALSE(std::filesystem::exists(UserHive() + ".damaged"));
    EXPECT_NE(ReadText(UserHive()).find("\"Title\"=hex(1):47,72,fc,df,65,20,80,00"),
              std::string::npos);
}

TEST_F(HiveFileTest, UnchangedFileIsNotParsedAgain) {
    SettingsKey key;
    ASSERT_TRUE(key.Open(Hive::CurrentUser, "Cache", OpenMode::Create));
    ASSERT_TRUE(WriteNumber(key, "A", 1));
    HiveFile* file = HiveFileFor(Hive::CurrentUser);
    ASSERT_NE(file, nullptr);
    const std::shared_ptr<const HiveKey> first = file->Snapshot();
    EXPECT_EQ(file->Snapshot(), first);

    const pid_t child = RunInChild([] {
        SettingsKey writer;
        return writer.Open(Hive::CurrentUser, "Cache", OpenMode::ReadWrite) &&
               WriteNumber(writer, "B", 2);
    });
    ASSERT_TRUE(ExitedCleanly(child));
    EXPECT_NE(file->Snapshot(), first);
}

TEST_F(HiveFileTest, WritingAnUnchangedValueLeavesTheFileAlone) {
    SettingsKey key;
    ASSERT_TRUE(key.Open(Hive::CurrentUser, "Colors\\1", OpenMode::Create));
    ASSERT_TRUE(WriteNumber(key, "BG", 5));
    struct stat first;
    ASSERT_EQ(stat(UserHive().c_str(), &first), 0);
    ASSERT_TRUE(WriteNumber(key, "bg", 5));
    struct stat second;
    ASSERT_EQ(stat(UserHive().c_str(), &second), 0);
    EXPECT_EQ(first.st_ino, second.st_ino);
    ASSERT_TRUE(WriteNumber(key, "BG", 6));
    ASSERT_EQ(stat(UserHive().c_str(), &second), 0);
    EXPECT_NE(first.st_ino, second.st_ino);
}

TEST_F(HiveFileTest, WrittenFileIsReadableText) {
    SettingsKey key;
    ASSERT_TRUE(key.Open(Hive::CurrentUser, "Software\\Tamsel\\Varnex", OpenMode::Create));
    ASSERT_TRUE(WriteNumber(key, "FlatMode", 1));
    const std::string left = "C:\\Texte\\links.txt";
    ASSERT_TRUE(key.Write(left.c_str(), left.size() + 1, "File1", ValueType::String));
    EXPECT_EQ(ReadText(UserHive()), "Windows Registry Editor Version 5.00\n"
                                    "\n"
                                    "[HKEY_CURRENT_USER\\Software\\Tamsel\\Varnex]\n"
                                    "\"File1\"=\"C:\\\\Texte\\\\links.txt\"\n"
                                    "\"FlatMode\"=dword:00000001\n"
                                    "\n");
}

using test::ScopedVariable;

TEST_F(HiveFileTest, HiveFilesFallBackToTheUsualPlaces) {
    const ScopedVariable noUserHive("TAMSEL_USER_HIVE", "");
    const ScopedVariable noMachineHive("TAMSEL_MACHINE_HIVE", nullptr);
    const ScopedVariable home("HOME", "/home/someone");
    {
        const ScopedVariable config("XDG_CONFIG_HOME", "/var/config");
        EXPECT_EQ(HiveFilePath(Hive::CurrentUser), "/var/config/Tamsel/user.reg");
    }
    const ScopedVariable noConfig("XDG_CONFIG_HOME", nullptr);
    EXPECT_EQ(HiveFilePath(Hive::CurrentUser), "/home/someone/.config/Tamsel/user.reg");
    EXPECT_EQ(HiveFilePath(Hive::LocalMachine), "/etc/xdg/Tamsel/machine.reg");
    EXPECT_EQ(HiveFilePath(Hive::Users), "");
}

} // namespace
} // namespace varnex
