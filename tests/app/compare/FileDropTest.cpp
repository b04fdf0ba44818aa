// Dropped files: which two files are compared, and why a drop is refused.
#include "app/compare/FileDrop.h"

#include "tests/support/ScratchFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace varnex {
namespace {

using test::WriteScratchFile;

struct DropCase {
    const char* name;
    std::vector<DroppedItem> items;
    std::optional<Side> side;
    std::string currentFirst;
    std::string currentSecond;
    DropRefusal refusal;
    std::string first;
    std::string second;
    std::string refusedPath;
};

TEST(FileDrop, DecidesTheFilesToCompareOrWhyNot) {
    const std::string a = WriteScratchFile("drop/a.txt", "a\n");
    const std::string b = WriteScratchFile("drop/b.txt", "b\n");
    const std::string c = WriteScratchFile("drop/c.txt", "c\n");
    const std::string folder = std::filesystem::path(a).parent_path().string();
    const std::string missing = folder + "/missing.txt";
    const DroppedItem local_a{true, a}, local_b{true, b}, local_c{true, c};
    const DropCase cases[] = {
        {"two on the window",
         {local_a, local_b},
         std::nullopt,
         "",
         "",
         DropRefusal::None,
         a,
         b,
         ""},
        {"two on a pane keep their order",
         {local_a, local_b},
         Side::Right,
         c,
         c,
         DropRefusal::None,
         a,
         b,
         ""},
        {"one on the left pane", {local_a}, Side::Left, c, b, DropRefusal::None, a, b, ""},
        {"one on the right pane", {local_b}, Side::Right, a, c, DropRefusal::None, a, b, ""},
        {"one on the window",
         {local_a},
         std::nullopt,
         b,
         c,
         DropRefusal::NeedsTwoFiles,
         "",
         "",
         ""},
        {"one on a pane without a comparison",
         {local_a},
         Side::Left,
         "",
         "",
         DropRefusal::NeedsTwoFiles,
         "",
         "",
         ""},
        {"a remote address",
         {local_a, {false, ""}},
         std::nullopt,
         "",
         "",
         DropRefusal::NotLocal,
         "",
         "",
         ""},
        {"an empty list", {}, std::nullopt, "", "", DropRefusal::NotLocal, "", "", ""},
        {"three files",
         {local_a, local_b, local_c},
         std::nullopt,
         "",
         "",
         DropRefusal::TooManyFiles,
         "",
         "",
         ""},
        {"a folder",
         {local_a, {true, folder}},
         std::nullopt,
         "",
         "",
         DropRefusal::NotAFile,
         "",
         "",
         folder},
        {"a missing file on a pane",
         {{true, missing}},
         Side::Left,
         a,
         b,
         DropRefusal::NotAFile,
         "",
         "",
         missing},
    };
    for (const DropCase& test : cases) {
        SCOPED_TRACE(test.name);
        const DropDecision decision =
            DecideDrop(test.items, test.side, test.currentFirst, test.currentSecond);
        EXPECT_EQ(decision.refusal, test.refusal);
        EXPECT_EQ(decision.first, test.first);
        EXPECT_EQ(decision.second, test.second);
        EXPECT_EQ(decision.refusedPath, test.refusedPath);
    }
}

} // namespace
} // namespace varnex
