// What the console tool learns from where it runs: the terminal, NO_COLOR, a calling git.
#pragma once

namespace varnex {

struct ToolEnvironment {
    bool isTerminal = false; // standard output is a terminal
    int columns = 80;
    bool noColourRequested = false; // NO_COLOR is set and not empty
    // GIT_DIFF_PATH_TOTAL is set: git's diff started the tool, as its external diff or, with
    // two files, through difftool.
    bool gitDiffVariables = false;
};

// Reads the environment variables and asks the terminal behind `outputFd` for its width.
ToolEnvironment ReadToolEnvironment(int outputFd);

} // namespace varnex
