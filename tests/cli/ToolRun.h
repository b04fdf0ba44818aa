// Test helper: runs the console tool's main function and keeps what it printed.
#pragma once

#include "cli/DiffTool.h"

#include <string>
#include <vector>

namespace varnex::test {

struct ToolRun {
    int status = -1;
    std::string out, err;
};

inline ToolRun RunTool(std::vector<std::string> arguments, ToolEnvironment environment = {}) {
    arguments.insert(arguments.begin(), "varnex-diff");
    ToolRun run;
    run.status = RunDiffTool(arguments, environment, run.out, run.err);
    return run;
}

inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

} // namespace varnex::test
