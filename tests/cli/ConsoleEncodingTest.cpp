// The console tool shows each file in its own encoding, so that columns line up in a UTF-8
// terminal, while the comparison still compares bytes.
#include "cli/DiffTool.h"
#include "tests/cli/ToolRun.h"
#include "tests/support/ScratchFiles.h"

#include <gtest/gtest.h>

namespace varnex {
namespace {

using test::Lines;
using test::RunTool;
using test::ToolRun;

// Halves of 19 columns: number, blank, 17 columns of text, as in a 41-column pipe.
constexpr int kWidth = 41;

TEST(ConsoleEncoding, Utf8FilesAreShownAsCharactersWithWideOnesInTwoColumns) {
    const std::string a = test::WriteScratchFile("cli/enc-a.txt", "атакующий\n日本語\n");
    const std::string b = test::WriteScratchFile("cli/enc-b.txt", "атакующий\n日本人\n");
    const ToolRun run = RunTool({"-L", "-1:L", "-2:R", a, b}, {false, kWidth, false});
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], "1 атакующий           1 атакующий");
    // Three wide characters take six of the 17 columns.
    EXPECT_EQ(lines[2], "2 日本語            | 2 日本人");
}

TEST(ConsoleEncoding, TheChoiceOverridesDetectionPerRun) {
    const std::string a = test::WriteScratchFile("cli/enc-c.txt", "\xD0\xB0\n");
    const std::string latin = test::WriteScratchFile("cli/enc-l.txt", "Gr\xFC\xDF\n");
    const auto secondLine = [&](std::vector<std::string> arguments) {
        arguments.push_back(a);
        arguments.push_back(latin);
        return Lines(RunTool(arguments, {false, kWidth, false}).out).at(1);
    };
    EXPECT_EQ(secondLine({}), "1 а                 | 1 Grüß");
    EXPECT_EQ(secondLine({"--encoding=cp1252"}), "1 Ð°                | 1 Grüß");
    // A byte that starts no UTF-8 sequence is shown as its Windows-1252 character.
    EXPECT_EQ(secondLine({"--encoding=utf-8"}), "1 а                 | 1 Grüß");
    EXPECT_EQ(RunTool({"--encoding=latin1", a, latin}).status, kExitTrouble);
}

TEST(ConsoleEncoding, AWideCharacterThatDoesNotFitEndsTheHalfInABlank) {
    const std::string a = test::WriteScratchFile("cli/enc-w.txt", "abcdefghijklmnop日\n");
    const ToolRun run = RunTool({"-1:L", "-2:R", a, a}, {false, kWidth, false});
    EXPECT_EQ(Lines(run.out).at(1), "1 abcdefghijklmnop    1 abcdefghijklmnop");
}

TEST(ConsoleEncoding, ClustersTakeTheirCellsSoTheRightHalfLinesUp) {
    const struct {
        const char* what;
        std::string line;
        std::string shown;
        int cells;
    } cases[] = {
        {"combining acute", "e\u0301tude", "e\u0301tude", 5},
        {"byte-order mark", "\uFEFFabc", "abc", 3},
        {"family joined by ZWJ", "\U0001F468\u200D\U0001F469\u200D\U0001F467x",
         "\U0001F468\u200D\U0001F469\u200D\U0001F467x", 3},
        {"Devanagari with a vowel sign", "\u0928\u092E\u0915\u093F", "\u0928\u092E\u0915\u093F", 3},
    };
    for (const auto& c : cases) {
        const std::string file = test::WriteScratchFile("cli/enc-cluster.txt", c.line + "\n");
        const ToolRun run =
            RunTool({"--encoding=utf-8", "-1:L", "-2:R", file, file}, {false, kWidth, false});
        const std::string padding(static_cast<std::size_t>(17 - c.cells), ' ');
        EXPECT_EQ(Lines(run.out).at(1), "1 " + c.shown + padding + "   1 " + c.shown) << c.what;
    }
}

TEST(ConsoleEncoding, AStrayByteInUtf8IsShownReversedOnATerminal) {
    const std::string text = "Gr\xC3\xBC\xC3\x9F Gott\n" + std::string(40, '-') + "\n\xFC\n";
    const std::string file = test::WriteScratchFile("cli/enc-stray.txt", text);
    const ToolRun run = RunTool({"--color=always", file, file}, {true, 100, false});
    EXPECT_NE(run.out.find("\xC3\xBC\xC3\x9F"), std::string::npos) << "read as UTF-8";
    EXPECT_NE(run.out.find("\x1b[7m\xC3\xBC"), std::string::npos) << "the stray byte, marked";
}

} // namespace
} // namespace varnex
