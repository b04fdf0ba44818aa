// What the console tool reads from where it runs: terminal width, NO_COLOR, git's variables.
#include "cli/ToolEnvironment.h"
#include "tests/support/ScopedVariable.h"

#include <gtest/gtest.h>

#include <pty.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace varnex {
namespace {

using test::ScopedVariable;

// A pseudo-terminal of a given width, closed with the object.
class PseudoTerminal {
public:
    explicit PseudoTerminal(unsigned short columns) {
        winsize size{};
        size.ws_col = columns;
        size.ws_row = 24;
        ok_ = openpty(&master_, &follower_, nullptr, nullptr, &size) == 0;
    }
    ~PseudoTerminal() {
        if (ok_) close(master_), close(follower_);
    }
    bool Ok() const { return ok_; }
    int Fd() const { return follower_; }

private:
    bool ok_ = false;
    int master_ = -1;
    int follower_ = -1;
};

TEST(ToolEnvironment, TerminalWidthOrColumns) {
    ScopedVariable columns("COLUMNS", "120");
    PseudoTerminal terminal(100);
    ASSERT_TRUE(terminal.Ok());
    const ToolEnvironment onTerminal = ReadToolEnvironment(terminal.Fd());
    EXPECT_TRUE(onTerminal.isTerminal);
    EXPECT_EQ(onTerminal.columns, 100);

    int pipeEnds[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    const ToolEnvironment intoPipe = ReadToolEnvironment(pipeEnds[1]);
    EXPECT_FALSE(intoPipe.isTerminal);
    EXPECT_EQ(intoPipe.columns, 120);
    ScopedVariable narrow("COLUMNS", "7");
    EXPECT_EQ(ReadToolEnvironment(pipeEnds[1]).columns, 40) << "the narrowest layout";
    close(pipeEnds[0]);
    close(pipeEnds[1]);
}

TEST(ToolEnvironment, OnlyANonEmptyNoColorRefusesColour) {
    PseudoTerminal terminal(80);
    ASSERT_TRUE(terminal.Ok());
    {
        ScopedVariable unset("NO_COLOR", nullptr);
        EXPECT_FALSE(ReadToolEnvironment(terminal.Fd()).noColourRequested);
    }
    {
        ScopedVariable empty("NO_COLOR", "");
        EXPECT_FALSE(ReadToolEnvironment(terminal.Fd()).noColourRequested);
    }
    ScopedVariable set("NO_COLOR", "1");
    EXPECT_TRUE(ReadToolEnvironment(terminal.Fd()).noColourRequested);
}

TEST(ToolEnvironment, GitsVariablesAreNoticed) {
    {
        ScopedVariable unset("GIT_DIFF_PATH_TOTAL", nullptr);
        EXPECT_FALSE(ReadToolEnvironment(STDOUT_FILENO).gitDiffVariables);
    }
    ScopedVariable total("GIT_DIFF_PATH_TOTAL", "3");
    EXPECT_TRUE(ReadToolEnvironment(STDOUT_FILENO).gitDiffVariables);
}

} // namespace
} // namespace varnex
