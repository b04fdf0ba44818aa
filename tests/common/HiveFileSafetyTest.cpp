// Tests of hive files that are hostile or odd: absurd nesting, paths that are not regular files,
// symlinked hives, unreadable hives.
#include "common/BuiltinSettings.h"
#include "common/HiveKey.h"
#include "common/SettingsKey.h"

#include "tests/common/support/HiveScratch.h"
#include "tests/support/ScopedVariable.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace varnex {
namespace {

using HiveFileSafetyTest = test::HiveScratch;

constexpr int kHostileDepth = 50000;
// A child that hangs or hoards memory is stopped by these instead of stalling the run.
constexpr unsigned kChildSeconds = 10;
constexpr rlim_t kChildMemory = rlim_t{1} << 30;

bool WriteNumber(SettingsKey& key, const std::string& name, std::uint32_t number) {
    return key.Write(&number, sizeof number, name, ValueType::Number);
}

// A hive whose one key lies `depth` levels below HKEY_CURRENT_USER.
std::string NestedHive(int depth) {
    std::string text = "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER";
    for (int level = 0; level < depth; ++level)
        text += "\\k";
    return text + "]\n\"Leaf\"=dword:00000001\n";
}

// Runs `work` in a child process, so that a crash fails the test instead of ending the run.
// Tells how the child ended: "done" when `work` returned true.
template <typename Work> std::string OutcomeInChild(Work work) {
    const pid_t child = fork();
    if (child == 0) {
        alarm(kChildSeconds);
#if !defined(__SANITIZE_ADDRESS__)
        // The address sanitizer reserves more address space than the cap; it is left out there.
        const rlimit memory{kChildMemory, kChildMemory};
        setrlimit(RLIMIT_AS, &memory);
#endif
        _exit(work() ? 0 : 1);
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child) return "lost";
    if (WIFSIGNALED(status)) return "killed by signal " + std::to_string(WTERMSIG(status));
    return WEXITSTATUS(status) == 0 ? "done" : "failed";
}

TEST_F(HiveFileSafetyTest, AbsurdlyNestedHiveIsKeptAsideAndWritesWork) {
    const std::string hostile = NestedHive(kHostileDepth);
    WriteText(UserHive(), hostile);
    testing::internal::CaptureStderr();
    EXPECT_EQ(OutcomeInChild([] {
                  SettingsKey key;
                  return key.Open(Hive::CurrentUser, "Fresh", OpenMode::Create) &&
                         WriteNumber(key, "A", 1);
              }),
              "done");
    const std::string warnings = testing::internal::GetCapturedStderr();
    EXPECT_NE(warnings.find(UserHive() + " is damaged at line 3"), std::string::npos) << warnings;
    EXPECT_TRUE(ReadText(UserHive() + ".damaged") == hostile); // too long to print
    EXPECT_NE(ReadText(UserHive()).find("[HKEY_CURRENT_USER\\Fresh]"), std::string::npos);
}

TEST_F(HiveFileSafetyTest, KeysAsDeepAsTheStoreAllowsAreReadAndDeeperOnesAreRefused) {
    const int deepest = static_cast<int>(kMaxKeyDepth);
    WriteText(UserHive(), NestedHive(deepest));
    SettingsKey key;
    std::string path = "k";
    for (int level = 1; level < deepest; ++level)
        path += "\\k";
    ASSERT_TRUE(key.Open(Hive::CurrentUser, path, OpenMode::ReadWrite)) << key.LastError();
    EXPECT_FALSE(key.OpenSub("deeper"));
    EXPECT_EQ(key.LastError(), kErrorNestingLimit);
    EXPECT_FALSE(key.Open(Hive::CurrentUser, path + "\\deeper", OpenMode::Create));
    EXPECT_EQ(key.LastError(), kErrorNestingLimit);
    EXPECT_FALSE(std::filesystem::exists(UserHive() + ".damaged"));

    WriteText(UserHive(), NestedHive(deepest + 1));
    testing::internal::CaptureStderr();
    EXPECT_FALSE(key.Open(Hive::CurrentUser, "k", OpenMode::Read));
    testing::internal::GetCapturedStderr();
    EXPECT_TRUE(std::filesystem::exists(UserHive() + ".damaged"));
}

std::size_t Occurrences(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

// Reads and writes `hive` through the cursor twice: only the defaults are seen, nothing can be
// written.
bool SeesDefaultsAndCannotWrite(Hive hive) {
    const HiveKey* defaults = hive == Hive::LocalMachine ? BuiltinSettings().get() : nullptr;
    const bool defaultsHaveIt =
        defaults && defaults->FindPath({"HKEY_LOCAL_MACHINE", "Software"}) != nullptr;
    for (int round = 0; round < 2; ++round) {
        SettingsKey key;
        if (key.Open(hive, "Software", OpenMode::Read) != defaultsHaveIt) return false;
        if (key.Open(hive, "Software", OpenMode::Create)) return false;
        if (key.LastError() != kErrorAccessDenied) return false;
    }
    return true;
}

TEST_F(HiveFileSafetyTest, HivePathThatIsNoRegularFileIsRefusedAndLeftAlone) {
    const std::string folder = (Folder() / "folder.reg").string();
    const std::string fifo = (Folder() / "fifo.reg").string();
    std::filesystem::create_directory(folder);
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const struct {
        const char* variable;
        Hive hive;
        std::string path;
    } cases[] = {
        {"TAMSEL_USER_HIVE", Hive::CurrentUser, folder},
        {"TAMSEL_MACHINE_HIVE", Hive::LocalMachine, folder},
        {"TAMSEL_USER_HIVE", Hive::CurrentUser, fifo},
        {"TAMSEL_USER_HIVE", Hive::CurrentUser, "/dev/zero"},
    };
    for (const auto& odd : cases) {
        const test::ScopedVariable hivePath(odd.variable, odd.path.c_str());
        testing::internal::CaptureStderr();
        const std::string outcome =
            OutcomeInChild([&] { return SeesDefaultsAndCannotWrite(odd.hive); });
        const std::string warnings = testing::internal::GetCapturedStderr();
        EXPECT_EQ(outcome, "done") << odd.path;
        EXPECT_EQ(Occurrences(warnings, odd.path + " is not a regular file"), 1u) << warnings;
        EXPECT_FALSE(std::filesystem::exists(odd.path + ".damaged")) << odd.path;
    }
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
}

// The link is relative and points at another link, as links in a home folder often do.
TEST_F(HiveFileSafetyTest, WritesGoThroughASymlinkedHiveToItsTarget) {
    namespace fs = std::filesystem;
    fs::create_directories(Folder() / "dotfiles" / "real");
    const fs::path target = Folder() / "dotfiles" / "real" / "user.reg";
    fs::create_symlink("real/user.reg", Folder() / "dotfiles" / "middle.reg");
    fs::create_symlink("dotfiles/middle.reg", UserHive());

    SettingsKey key;
    ASSERT_TRUE(key.Open(Hive::CurrentUser, "Links", OpenMode::Create)) << key.LastError();
    ASSERT_TRUE(WriteNumber(key, "Count", 7));
    ASSERT_TRUE(WriteNumber(key, "Count", 8));

    ASSERT_TRUE(fs::is_symlink(UserHive()));
    EXPECT_EQ(fs::read_symlink(UserHive()), "dotfiles/middle.reg");
    EXPECT_TRUE(fs::is_symlink(Folder() / "dotfiles" / "middle.reg"));
    EXPECT_NE(ReadText(target.string()).find("\"Count\"=dword:00000008"), std::string::npos);
    EXPECT_TRUE(fs::exists(target.string() + ".lock"));
    for (const auto& entry : fs::recursive_directory_iterator(Folder())) {
        const std::string name = entry.path().filename().string();
        EXPECT_EQ(name.find(".tmp."), std::string::npos) << entry.path();
    }
    std::uint32_t count = 0;
    EXPECT_TRUE(key.Read(&count, sizeof count, "Count", ValueType::Number));
    EXPECT_EQ(count, 8u);
}

TEST_F(HiveFileSafetyTest, SymlinkedHiveKeepsItsLinkWhenTargetIsMissingOrDamaged) {
    namespace fs = std::filesystem;
    const fs::path target = Folder() / "elsewhere" / "user.reg";
    fs::create_symlink(target, UserHive());
    SettingsKey key;
    ASSERT_TRUE(key.Open(Hive::CurrentUser, "Links", OpenMode::Create)) << key.LastError();
    ASSERT_TRUE(WriteNumber(key, "Count", 1));
    EXPECT_TRUE(fs::is_symlink(UserHive()));
    EXPECT_NE(ReadText(target.string()).find("\"Count\"=dword:00000001"), std::string::npos);

    WriteText(target.string(), "damaged");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(key.Open(Hive::CurrentUser, "Links", OpenMode::Read));
    testing::internal::GetCapturedStderr();
    EXPECT_TRUE(fs::is_symlink(UserHive()));
    EXPECT_EQ(ReadText(target.string() + ".damaged"), "damaged");
    ASSERT_TRUE(key.Open(Hive::CurrentUser, "Links", OpenMode::Create)) << key.LastError();
    ASSERT_TRUE(WriteNumber(key, "Count", 2));
    EXPECT_TRUE(fs::is_symlink(UserHive()));
    EXPECT_NE(ReadText(target.string()).find("\"Count\"=dword:00000002"), std::string::npos);
}

constexpr uid_t kNobody = 65534;

// A folder that every user may use, for tests that must run as nobody when the tests run as
// root (whom no file permission stops); the scratch folder is the tester's own.
class SharedFolder {
public:
    SharedFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "varnex-shared-XXXXXX");
        if (mkdtemp(pattern.data())) path_ = pattern;
        std::filesystem::permissions(path_, std::filesystem::perms::all);
    }
    ~SharedFolder() { std::filesystem::remove_all(path_); }
    SharedFolder(const SharedFolder&) = delete;
    SharedFolder& operator=(const SharedFolder&) = delete;
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

bool GiveUpRootRights() {
    return geteuid() != 0 || (setgid(kNobody) == 0 && setuid(kNobody) == 0);
}

// Looks at the hive three times as nobody, then tries to write to it; the messages it gave.
std::string LookThriceThenWrite(bool writeExpected) {
    testing::internal::CaptureStderr();
    const std::string outcome = OutcomeInChild([writeExpected] {
        if (!GiveUpRootRights()) return false;
        SettingsKey key;
        for (int look = 0; look < 3; ++look) {
            if (key.Open(Hive::CurrentUser, "Software", OpenMode::Read)) return false;
        }
        const bool wrote = key.Open(Hive::CurrentUser, "Software", OpenMode::Create) &&
                           WriteNumber(key, "Fresh", 1);
        return wrote == writeExpected;
    });
    const std::string warnings = testing::internal::GetCapturedStderr();
    EXPECT_EQ(outcome, "done") << warnings;
    return warnings;
}

TEST_F(HiveFileSafetyTest, UnreadableHiveIsReportedOnce) {
    const std::string text = "Windows Registry Editor Version 5.00\n";
    const SharedFolder shared;
    const std::string hive = (shared.Path() / "user.reg").string();
    const std::string unreadable = hive + " cannot be read (Permission denied)";
    const test::ScopedVariable hivePath("TAMSEL_USER_HIVE", hive.c_str());
    WriteText(hive, text);
    ASSERT_EQ(chmod(hive.c_str(), 0), 0);

    std::string warnings = LookThriceThenWrite(true);
    EXPECT_EQ(Occurrences(warnings, unreadable + "; it was kept as " + hive + ".damaged"), 1u)
        << warnings;
    EXPECT_EQ(ReadText(hive + ".damaged"), text);
    EXPECT_NE(ReadText(hive).find("\"Fresh\"=dword:00000001"), std::string::npos);

    // Where nobody may create the lock, the file cannot be moved aside and stays.
    std::filesystem::remove(hive + ".lock");
    WriteText(hive, text);
    ASSERT_EQ(chmod(hive.c_str(), 0), 0);
    std::filesystem::permissions(
        shared.Path(), std::filesystem::perms::others_write | std::filesystem::perms::group_write,
        std::filesystem::perm_options::remove);
    warnings = LookThriceThenWrite(false);
    EXPECT_EQ(Occurrences(warnings, unreadable), 1u) << warnings;
    EXPECT_EQ(ReadText(hive), text);
}

TEST_F(HiveFileSafetyTest, HiveLargerThanAnyFileIsKeptAsideWithoutBeingRead) {
    const SharedFolder shared;
    const std::string hive = (shared.Path() / "user.reg").string();
    const test::ScopedVariable hivePath("TAMSEL_USER_HIVE", hive.c_str());
    WriteText(hive, "Windows Registry Editor Version 5.00\n");
    // Holes cost no disk; reading them would take 3 GiB, more than the child may have.
    ASSERT_EQ(truncate(hive.c_str(), std::int64_t{3} << 30), 0);
    ASSERT_EQ(chmod(hive.c_str(), 0666), 0);

    const std::string warnings = LookThriceThenWrite(true);
    EXPECT_EQ(Occurrences(warnings, hive + " cannot be read (File too large); it was kept as " +
                                        hive + ".damaged"),
              1u)
        << warnings;
    EXPECT_NE(ReadText(hive).find("\"Fresh\"=dword:00000001"), std::string::npos);
}

} // namespace
} // namespace varnex
