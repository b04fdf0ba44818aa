// What the console tool learns from where it runs: the terminal, NO_COLOR, a calling git, memory.
#pragma once

#include <cstdint>
#include <limits>

namespace varnex {

struct ToolEnvironment {
    bool isTerminal = false; // standard output is a terminal
    int columns = 80;
    bool noColourRequested = false; // NO_COLOR is set and not empty
    // GIT_DIFF_PATH_TOTAL is set: git's diff started the tool, as its external diff or, with
    // two files, through difftool.
    bool gitDiffVariables = false;
    // What AvailableMemory reported at the start; the inputs are read only as far as it holds.
    std::uint64_t availableMemory = std::numeric_limits<std::uint64_t>::max();
};

// Reads the environment variables, asks the terminal behind `outputFd` for its width and the
// system for the memory left.
ToolEnvironment ReadToolEnvironment(int outputFd);

} // namespace varnex
