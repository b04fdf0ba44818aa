// A compared file changed on disk: what counts as a change, and that each is told once.
#include "app/compare/DiskChangeCheck.h"

#include "tests/support/ScratchFiles.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <functional>

namespace varnex {
namespace {

namespace fs = std::filesystem;
using test::WriteScratchFile;

// Sets the file's modification time to what it was, as a tool that keeps times would.
void RewriteKeepingTime(const std::string& path, const std::string& bytes) {
    const fs::file_time_type time = fs::last_write_time(path);
    WriteScratchFile(fs::path(path).lexically_relative(test::ScratchFolder()).string(), bytes);
    fs::last_write_time(path, time);
}

struct ChangeCase {
    const char* name;
    std::function<void(const std::string& path)> act;
    DiskChange expected;
};

TEST(DiskChangeCheck, TellsAChangeOrADeletionOnceAndIgnoresWhatLeavesTheContent) {
    const ChangeCase cases[] = {
        {"nothing happened", [](const std::string&) {}, DiskChange::None},
        {"written longer", [](const std::string& path) { RewriteKeepingTime(path, "abc\nd\n"); },
         DiskChange::Changed},
        {"same size, new time",
         [](const std::string& path) {
             fs::last_write_time(path, fs::last_write_time(path) + std::chrono::seconds(5));
         },
         DiskChange::Changed},
        {"saved by rename",
         [](const std::string& path) {
             const std::string saved = WriteScratchFile("change/saved.tmp", "new text\n");
             fs::rename(saved, path);
         },
         DiskChange::Changed},
        {"deleted", [](const std::string& path) { fs::remove(path); }, DiskChange::Deleted},
        {"permissions only", [](const std::string& path) { ::chmod(path.c_str(), 0600); },
         DiskChange::None},
        {"same size and time", [](const std::string& path) { RewriteKeepingTime(path, "xyz\n"); },
         DiskChange::None},
    };
    for (const ChangeCase& test : cases) {
        SCOPED_TRACE(test.name);
        const std::string left = WriteScratchFile("change/left.txt", "abc\n");
        const std::string right = WriteScratchFile("change/right.txt", "abc\n");
        DiskChangeCheck check;
        check.Reset(left, right);
        test.act(right);
        EXPECT_EQ(check.Check(Side::Left), DiskChange::None);
        EXPECT_EQ(check.Check(Side::Right), test.expected);
        EXPECT_EQ(check.Check(Side::Right), DiskChange::None) << "told twice";
    }
}

TEST(DiskChangeCheck, ASideWithoutAFileNeverChanges) {
    DiskChangeCheck check;
    check.Reset("", "");
    EXPECT_EQ(check.Check(Side::Left), DiskChange::None);
    EXPECT_EQ(check.Check(Side::Right), DiskChange::None);
}

} // namespace
} // namespace varnex
