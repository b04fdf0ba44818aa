// The console tool as a whole: options in, comparison out, exit status as diff(1).
#pragma once

#include <string>
#include <vector>

namespace varnex {

inline constexpr int kExitSame = 0;
inline constexpr int kExitDifferent = 1;
inline constexpr int kExitTrouble = 2;

struct TerminalInfo {
    bool isTerminal = false; // standard output is a terminal
    int columns = 80;
    bool noColourRequested = false; // NO_COLOR is set
};

// Runs the tool; what it prints goes to `out` and `err`. Returns the exit status.
int RunDiffTool(const std::vector<std::string>& arguments, const TerminalInfo& terminal,
                std::string& out, std::string& err);

} // namespace varnex
