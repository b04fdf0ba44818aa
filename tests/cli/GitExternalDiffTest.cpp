// The console tool as git's external diff: the calls git makes, labels and exit status.
#include "cli/GitExternalDiff.h"
#include "tests/cli/ToolRun.h"
#include "tests/support/ScratchFiles.h"

#include <gtest/gtest.h>

namespace varnex {
namespace {

using test::Lines;
using test::RunTool;

constexpr const char* kOldHex = "8baef1b4abc478178b004d62031cf7fe6db6f903";
constexpr const char* kNewHex = "0000000000000000000000000000000000000000";

// The seven arguments git passes for a changed path.
std::vector<std::string> Changed(const std::string& path, const std::string& oldFile,
                                 const std::string& newFile) {
    return {path, oldFile, kOldHex, "100644", newFile, kNewHex, "100644"};
}

ToolEnvironment CalledByGit() {
    ToolEnvironment environment;
    environment.gitDiffVariables = true;
    return environment;
}

TEST(GitDiffCall, ReadsTheCallsGitMakes) {
    const auto changed = ReadGitDiffCall(Changed("src/a b.c", "/tmp/x", "src/a b.c"));
    ASSERT_TRUE(changed);
    EXPECT_FALSE(changed->unmerged);
    EXPECT_EQ(changed->files, (std::array<std::string, 2>{"/tmp/x", "src/a b.c"}));
    EXPECT_EQ(changed->labels, (std::array<std::string, 2>{"a/src/a b.c", "b/src/a b.c"}));

    std::vector<std::string> renamed = Changed("old.txt", "/tmp/o", "/tmp/n");
    renamed.insert(renamed.end(), {"new.txt", "similarity index 90%\n"});
    EXPECT_EQ(ReadGitDiffCall(renamed)->labels,
              (std::array<std::string, 2>{"a/old.txt", "b/new.txt"}));

    const auto added = ReadGitDiffCall(Changed("n.txt", "/dev/null", "n.txt"));
    EXPECT_EQ(added->labels, (std::array<std::string, 2>{"/dev/null", "b/n.txt"}));

    const auto unmerged = ReadGitDiffCall({"conflict.txt"});
    ASSERT_TRUE(unmerged);
    EXPECT_TRUE(unmerged->unmerged);
    EXPECT_EQ(unmerged->path, "conflict.txt");

    for (const std::size_t count : {0u, 2u, 3u, 6u, 8u, 10u}) {
        EXPECT_FALSE(ReadGitDiffCall(std::vector<std::string>(count, "f"))) << count;
    }
}

TEST(GitDiffCall, ComparesTheOldAndNewFileAndSucceedsOnDifferences) {
    const std::string oldFile = test::WriteScratchFile("git/old", "eins\nzwei\n");
    const std::string newFile = test::WriteScratchFile("git/neu", "eins\ndrei\n");
    const auto run = RunTool(Changed("doc/x.txt", oldFile, newFile), CalledByGit());
    EXPECT_EQ(run.status, kExitSame) << "git stops at an external diff that fails";
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].substr(0, 11), "a/doc/x.txt");
    EXPECT_NE(lines[0].find("b/doc/x.txt"), std::string::npos);
    EXPECT_NE(lines[2].find(" | "), std::string::npos);

    const auto own = RunTool(
        {"-1:alt", "-L", "doc/x.txt", oldFile, kOldHex, "100644", newFile, kNewHex, "100644"},
        CalledByGit());
    EXPECT_EQ(own.status, kExitSame);
    EXPECT_EQ(own.out.substr(0, 4), "alt ") << "a given title wins";
}

TEST(GitDiffCall, TroubleStillFailsAndUnmergedPathsAreNamed) {
    const std::string file = test::WriteScratchFile("git/da", "x\n");
    const auto missing = RunTool(Changed("p", file, file + ".fehlt"), CalledByGit());
    EXPECT_EQ(missing.status, kExitTrouble);
    EXPECT_NE(missing.err.find(file + ".fehlt"), std::string::npos);

    const auto unmerged = RunTool({"konflikt.txt"}, CalledByGit());
    EXPECT_EQ(unmerged.status, kExitSame);
    EXPECT_EQ(unmerged.out, "* Nicht zusammengeführt: konflikt.txt\n");
}

TEST(GitDiffCall, OnlyGitsCallsAreReadSo) {
    const std::string a = test::WriteScratchFile("git/l", "a\n");
    const std::string b = test::WriteScratchFile("git/r", "b\n");
    // difftool runs the tool with two files, under git's variables: a plain comparison.
    EXPECT_EQ(RunTool({a, b}, CalledByGit()).status, kExitDifferent);
    // Without git's variables seven arguments are two files and five ignored ones.
    EXPECT_EQ(RunTool({a, b, kOldHex, "100644", a, kNewHex, "100644"}).status, kExitDifferent);
    EXPECT_EQ(RunTool({a}).status, kExitTrouble);
}

} // namespace
} // namespace varnex
