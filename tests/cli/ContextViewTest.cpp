// The console tool's context view: which rows it prints and where it says rows were left out.
#include "cli/ContextRows.h"
#include "tests/cli/ToolRun.h"
#include "tests/support/ScratchFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace varnex {
namespace {

// Twelve lines "a".."l", with the 1-based lines in `upper` in upper case.
std::string Letters(std::initializer_list<int> upper) {
    std::string text;
    for (int line = 1; line <= 12; ++line) {
        const char letter = static_cast<char>('a' + line - 1);
        const bool changed = std::find(upper.begin(), upper.end(), line) != upper.end();
        text += changed ? static_cast<char>(letter - 'a' + 'A') : letter;
        text += '\n';
    }
    return text;
}

// The printed rows after the title, by their left line number; "@N" for a line saying that
// the next stretch starts at line N.
std::string PrintedRows(const std::string& out) {
    std::string summary;
    const std::vector<std::string> lines = test::Lines(out);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::size_t from = lines[i].find("ab Zeile ");
        std::istringstream number(from == std::string::npos ? lines[i] : lines[i].substr(from + 9));
        int line = 0;
        number >> line;
        summary += (summary.empty() ? "" : " ") +
                   std::string(from == std::string::npos ? "" : "@") + std::to_string(line);
    }
    return summary;
}

TEST(ContextView, PrintsTheBlocksWithTheirContext) {
    const std::string base = test::WriteScratchFile("cli/context-base.txt", Letters({}));
    struct Case {
        std::vector<std::string> options;
        std::initializer_list<int> changed;
        std::string rows;
    };
    const Case cases[] = {
        {{"-U1"}, {6, 12}, "@5 5 6 7 @11 11 12"},
        {{"-U", "1"}, {6, 12}, "@5 5 6 7 @11 11 12"},
        {{"--context=0"}, {6, 12}, "@6 6 @12 12"},
        {{"-U2"}, {1}, "1 2 3"},
        {{"-U2"}, {5, 8}, "@3 3 4 5 6 7 8 9 10"},
        {{"-U2"}, {5, 10}, "@3 3 4 5 6 7 8 9 10 11 12"},
        {{"-U2"}, {4, 10}, "@2 2 3 4 5 6 @8 8 9 10 11 12"},
        {{"-U3"}, {}, ""},
        {{"--context=all"}, {6}, "1 2 3 4 5 6 7 8 9 10 11 12"},
        {{}, {6}, "1 2 3 4 5 6 7 8 9 10 11 12"},
    };
    for (const Case& c : cases) {
        const std::string other =
            test::WriteScratchFile("cli/context-other.txt", Letters(c.changed));
        std::vector<std::string> arguments = c.options;
        arguments.insert(arguments.end(), {"-L", "--color=never", base, other});
        const test::ToolRun run = test::RunTool(arguments, {false, 60, false});
        EXPECT_EQ(PrintedRows(run.out), c.rows) << arguments.front();
        EXPECT_EQ(run.status, c.rows.empty() ? kExitSame : kExitDifferent);
    }
    EXPECT_EQ(test::RunTool({"--context=x", base, base}).status, kExitTrouble);
    EXPECT_EQ(test::RunTool({base, base, "-U"}).status, kExitTrouble);
}

TEST(ContextView, GitsExternalDiffPrintsThreeRowsAroundEachBlock) {
    const std::string base = test::WriteScratchFile("cli/context-git-a.txt", Letters({}));
    const std::string other = test::WriteScratchFile("cli/context-git-b.txt", Letters({6}));
    ToolEnvironment environment{false, 60, false};
    environment.gitDiffVariables = true;
    const test::ToolRun run = test::RunTool(
        {"x.txt", base, std::string(40, '1'), "100644", other, std::string(40, '0'), "100644"},
        environment);
    EXPECT_EQ(PrintedRows(run.out), "@3 3 4 5 6 7 8 9");
    EXPECT_NE(run.out.find("a/x.txt"), std::string::npos);
}

} // namespace
} // namespace varnex
