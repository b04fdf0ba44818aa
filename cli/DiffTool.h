// The console tool as a whole: options in, comparison out, exit status as diff(1).
#pragma once

#include "cli/ToolEnvironment.h"

#include <string>
#include <vector>

namespace varnex {

inline constexpr int kExitSame = 0;
inline constexpr int kExitDifferent = 1;
inline constexpr int kExitTrouble = 2;

// Runs the tool; what it prints goes to `out` and `err`. Returns the exit status.
int RunDiffTool(const std::vector<std::string>& arguments, const ToolEnvironment& environment,
                std::string& out, std::string& err);

} // namespace varnex
