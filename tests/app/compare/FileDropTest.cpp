// Dropped files: which two files are compared, and why a drop is refused.
#include "app/compare/FileDrop.h"

#include "tests/support/ScratchFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace varnex {
namespace {

using test::WriteScratchFile;

DropDecision Compares(const std::string& first, const std::string& second) {
    return {DropRefusal::None, first, second, {}};
}

DropDecision Refuses(DropRefusal refusal, const std::string& path = {}) {
    return {refusal, {}, {}, path};
}

TEST(FileDrop, DecidesTheFilesToCompareOrWhyNot) {
    const std::string a = WriteScratchFile("drop/a.txt", "a\n");
    const std::string b = WriteScratchFile("drop/b.txt", "b\n");
    const std::string c = WriteScratchFile("drop/c.txt", "c\n");
    const std::string folder = std::filesystem::path(a).parent_path().string();
    const std::string missing = folder + "/missing.txt";
    const DroppedItem local_a{true, a}, local_b{true, b}, local_c{true, c};
    const std::optional<Side> window;
    using enum DropRefusal;
    const struct {
        const char* name;
        std::vector<DroppedItem> items;
        std::optional<Side> side;
        std::string currentFirst, currentSecond;
        DropDecision expected;
    } cases[] = {
        {"two on the window", {local_a, local_b}, window, "", "", Compares(a, b)},
        {"two on a pane keep their order", {local_a, local_b}, Side::Right, c, c, Compares(a, b)},
        {"one on the left pane", {local_a}, Side::Left, c, b, Compares(a, b)},
        {"one on the right pane", {local_b}, Side::Right, a, c, Compares(a, b)},
        {"one on the window", {local_a}, window, b, c, Refuses(NeedsTwoFiles)},
        {"one on a pane, nothing compared", {local_a}, Side::Left, "", "", Refuses(NeedsTwoFiles)},
        {"a remote address", {local_a, {false, ""}}, window, "", "", Refuses(NotLocal)},
        {"an empty list", {}, window, "", "", Refuses(NotLocal)},
        {"three files", {local_a, local_b, local_c}, window, "", "", Refuses(TooManyFiles)},
        {"a folder", {local_a, {true, folder}}, window, "", "", Refuses(NotAFile, folder)},
        {"a missing file", {{true, missing}}, Side::Left, a, b, Refuses(NotAFile, missing)},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        const DropDecision decision =
            DecideDrop(test.items, test.side, test.currentFirst, test.currentSecond);
        EXPECT_EQ(decision.refusal, test.expected.refusal);
        EXPECT_EQ(decision.first, test.expected.first);
        EXPECT_EQ(decision.second, test.expected.second);
        EXPECT_EQ(decision.refusedPath, test.expected.refusedPath);
    }
}

} // namespace
} // namespace varnex
