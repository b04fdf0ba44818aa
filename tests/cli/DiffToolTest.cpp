// The console tool: output forms, colours, inputs and exit status.
#include "cli/DiffTool.h"
#include "engine/CompareMemory.h"
#include "tests/cli/ToolRun.h"
#include "tests/support/ScratchFiles.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <future>
#include <regex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace varnex {
namespace {

using test::Lines;
using test::RunTool;
using test::ToolRun;

TEST(DiffTool, ExitStatusFollowsDiff) {
    const std::string a = test::WriteScratchFile("cli/a.txt", "eins\nzwei\n");
    const std::string b = test::WriteScratchFile("cli/b.txt", "eins\ndrei\n");
    EXPECT_EQ(RunTool({a, a}).status, kExitSame);
    EXPECT_EQ(RunTool({a, b}).status, kExitDifferent);
    const ToolRun missing = RunTool({a, a + ".fehlt"});
    EXPECT_EQ(missing.status, kExitTrouble);
    EXPECT_EQ(missing.err, "Die zweite Datei " + a + ".fehlt konnte nicht geöffnet werden !\n");
    EXPECT_EQ(RunTool({a}).status, kExitTrouble);
    EXPECT_EQ(RunTool({a, b, "--colour"}).status, kExitTrouble);
}

// Rows beyond the limit are left out, and the tool says so; the exit status stays diff's.
TEST(DiffTool, WarnsWhenTheComparisonIsCutAtTheRowLimit) {
    std::string lines;
    for (int n = 0; n < 65000; ++n)
        lines += "line " + std::to_string(n) + "\n";
    std::string inserted;
    for (int n = 0; n < 1000; ++n)
        inserted += "new " + std::to_string(n) + "\n";
    const std::string a = test::WriteScratchFile("cli/rows-a.txt", lines);
    const std::string b = test::WriteScratchFile("cli/rows-b.txt", inserted + lines);
    const ToolRun cut = RunTool({"-L", a, b});
    EXPECT_EQ(cut.status, kExitDifferent);
    EXPECT_EQ(cut.err, "Es sind zuviele Zeilen vorhanden !\nEs wird nur ein Teil angezeig.\n");
    const ToolRun whole = RunTool({"-L", a, a});
    EXPECT_EQ(whole.status, kExitSame);
    EXPECT_EQ(whole.err, "");
}

// Inputs are read only as far as their compare fits in the memory there is, so an endless
// device is refused at once rather than after gigabytes; the message says why.
TEST(DiffTool, InputsStopWhereTheirCompareNoLongerFitsInMemory) {
    constexpr std::size_t kRoom = 4096;
    ToolEnvironment environment;
    environment.availableMemory = MemoryNeeded(kRoom);
    const std::string empty = test::WriteScratchFile("cli/memory-empty.txt", "");
    const std::string half =
        test::WriteScratchFile("cli/memory-half.txt", std::string(kRoom / 2, 'a'));
    const std::string full = test::WriteScratchFile("cli/memory-full.txt", std::string(kRoom, 'b'));
    const std::string over =
        test::WriteScratchFile("cli/memory-over.txt", std::string(kRoom + 1, 'c'));
    struct Case {
        std::string first, second;
        int status;
        std::string refused;
    };
    const Case cases[] = {
        {full, empty, kExitDifferent, ""},
        {half, half, kExitSame, ""},
        {over, empty, kExitTrouble, over},
        {empty, over, kExitTrouble, over},
        {half, full, kExitTrouble, full},
        {"/dev/zero", empty, kExitTrouble, "/dev/zero"},
        {half, "/dev/zero", kExitTrouble, "/dev/zero"},
    };
    for (const Case& c : cases) {
        const ToolRun run = RunTool({c.first, c.second}, environment);
        EXPECT_EQ(run.status, c.status) << c.first << " " << c.second;
        const std::string why =
            " ist zu groß für den freien Speicher und wird nicht verglichen !\n";
        EXPECT_EQ(run.err, c.refused.empty() ? "" : "Die Datei " + c.refused + why)
            << c.first << " " << c.second;
    }
}

TEST(DiffTool, DumpReportsWhichFileFailed) {
    const std::string a = test::WriteScratchFile("cli/dump.txt", "x\n");
    const ToolRun first = RunTool({"--dump", "/nonexistent/left", a});
    EXPECT_EQ(first.out, "error 1\n");
    EXPECT_NE(first.err.find("Die erste Datei /nonexistent/left"), std::string::npos);
    EXPECT_EQ(RunTool({"--dump", a, (test::ScratchFolder() / "cli").string()}).out, "error 2\n");
}

TEST(DiffTool, DumpOfASmallComparison) {
    const std::string a = test::WriteScratchFile("cli/d1.txt", "a\nb\n");
    const std::string b = test::WriteScratchFile("cli/d2.txt", "a\n");
    const ToolRun run = RunTool({"-L", "--dump", a, b});
    EXPECT_EQ(run.out, "mode 0\nrows 2 blocks 1\n0 1 1\n3 2 0\nleft 2\n00\n33\nright 1\n00\n");
    EXPECT_EQ(run.status, kExitDifferent);
}

TEST(DiffTool, PipeOutputMarksRowsAndAlignsHalves) {
    const std::string a = test::WriteScratchFile("cli/p1.txt", "same\ngone\nold\n");
    const std::string b = test::WriteScratchFile("cli/p2.txt", "same\nnew\nadded line\n");
    const ToolRun run = RunTool({"-L", "-1:Links", a, b}, {false, 41, false});
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].substr(0, 6), "Links ");
    // Halves of 19 columns: number, blank, 17 columns of text.
    EXPECT_EQ(lines[1], "1 same                1 same");
    EXPECT_EQ(lines[2], "2 gone              | 2 new");
    EXPECT_EQ(lines[3], "3 old               | 3 added line");
    EXPECT_EQ(run.out.find('\x1b'), std::string::npos);
}

TEST(DiffTool, TabsExpandAndLongLinesAreCut) {
    const std::string a =
        test::WriteScratchFile("cli/t1.txt", "a\tb\n" + std::string(50, 'x') + "\n");
    const ToolRun run = RunTool({a, a}, {false, 41, false});
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1].substr(0, 10), "1 a   b   ");
    EXPECT_EQ(lines[2], "2 " + std::string(17, 'x') + "   2 " + std::string(17, 'x'));
}

TEST(DiffTool, ColourOnTerminalsUnlessRefused) {
    const std::string a = test::WriteScratchFile("cli/c1.txt", "one\n");
    const std::string b = test::WriteScratchFile("cli/c2.txt", "one\ntwo\n");
    const std::string inserted = "\x1b[30;48;2;212;255;212m";
    const std::string placeholder = "\x1b[30;48;2;255;255;222m";
    const ToolRun coloured = RunTool({a, b}, {true, 80, false});
    EXPECT_NE(coloured.out.find(inserted), std::string::npos);
    EXPECT_NE(coloured.out.find(placeholder), std::string::npos);
    // NO_COLOR on a terminal gives what a pipe of the same width gets.
    EXPECT_EQ(RunTool({a, b}, {true, 80, true}).out, RunTool({a, b}, {false, 80, false}).out);
    EXPECT_EQ(RunTool({"--color=never", a, b}, {true, 80, false}).out.find('\x1b'),
              std::string::npos);
    EXPECT_NE(RunTool({"--color=always", a, b}, {false, 80, false}).out.find(inserted),
              std::string::npos);
}

// Writes `text` into the named pipe once a reader has opened it. Opening without blocking and
// retrying until `patience` runs out keeps the writer from waiting forever for a reader that
// never comes; false then.
bool WriteWhenRead(const std::string& fifo, const std::string& text,
                   std::chrono::milliseconds patience) {
    const auto giveUp = std::chrono::steady_clock::now() + patience;
    int fd;
    while ((fd = open(fifo.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC)) < 0) {
        if (errno != ENXIO || std::chrono::steady_clock::now() > giveUp) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    fcntl(fd, F_SETFL, 0);
    const bool written = write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    close(fd);
    return written;
}

TEST(DiffTool, ReadsNamedPipes) {
    const std::string fifo = (test::ScratchFolder() / "cli-fifo").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::future<bool> written =
        std::async(std::launch::async, WriteWhenRead, fifo, "a\nb\n", std::chrono::seconds(20));
    const std::string b = test::WriteScratchFile("cli/f.txt", "a\nb\n");
    const ToolRun run = RunTool({fifo, b});
    EXPECT_TRUE(written.get());
    EXPECT_EQ(run.status, kExitSame);
}

TEST(DiffTool, BriefSaysOnlyWhetherTheFilesDiffer) {
    const std::string a = test::WriteScratchFile("cli/brief-a.txt", "eins\nzwei\n");
    const std::string b = test::WriteScratchFile("cli/brief-b.txt", "eins\ndrei\n");
    const std::string blanks = test::WriteScratchFile("cli/brief-c.txt", "eins\nzw ei\n");
    struct Case {
        std::vector<std::string> arguments;
        int status;
        std::string out;
    };
    const Case cases[] = {
        {{"-q", a, a}, kExitSame, ""},
        {{"--brief", a, b},
         kExitDifferent,
         "Die Dateien " + a + " und " + b + " sind verschieden.\n"},
        {{a, "-q", "-1:links", b},
         kExitDifferent,
         "Die Dateien links und " + b + " sind verschieden.\n"},
        {{"-q", "-C", a, blanks},
         kExitDifferent,
         "Die Dateien " + a + " und " + blanks + " sind verschieden.\n"},
        {{"-q", "-1:a%sb", a, b},
         kExitDifferent,
         "Die Dateien a%sb und " + b + " sind verschieden.\n"},
        {{"-q", a, a + ".fehlt"}, kExitTrouble, ""},
    };
    for (const Case& c : cases) {
        const ToolRun run = RunTool(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments.front();
        EXPECT_EQ(run.out, c.out);
    }
}

TEST(DiffTool, HelpAndVersionGoToStandardOutput) {
    const ToolRun help = RunTool({"--help"});
    EXPECT_EQ(help.status, kExitSame);
    EXPECT_NE(help.out.find("Aufrufparameter:"), std::string::npos);
    EXPECT_NE(help.out.find("--version"), std::string::npos);
    const ToolRun version = RunTool({"-L", "--version", "x"});
    EXPECT_EQ(version.status, kExitSame);
    EXPECT_TRUE(std::regex_match(version.out, std::regex("varnex-diff [0-9]+\\.[0-9]+\\.[0-9]+\n")))
        << version.out;
    EXPECT_TRUE(help.err.empty() && version.err.empty());
}

} // namespace
} // namespace varnex
