// What the console tool learns from where it runs: the terminal, NO_COLOR, a calling git, memory.
#include "cli/ToolEnvironment.h"

#include "common/AvailableMemory.h"

#include <cstdlib>
#include <string>
#include <sys/ioctl.h>
#include <unistd.h>

namespace varnex {

namespace {

// Terminals narrower than this still get a readable, if cut, layout.
constexpr int kMinColumns = 40;

bool SetAndNotEmpty(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

int ColumnsOf(int outputFd, bool isTerminal) {
    int columns = ToolEnvironment().columns;
    winsize size{};
    if (isTerminal && ioctl(outputFd, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) {
        columns = size.ws_col;
    } else if (const char* variable = std::getenv("COLUMNS")) {
        columns = std::atoi(variable);
    }
    return columns < kMinColumns ? kMinColumns : columns;
}

} // namespace

ToolEnvironment ReadToolEnvironment(int outputFd) {
    ToolEnvironment environment;
    environment.isTerminal = isatty(outputFd) != 0;
    environment.columns = ColumnsOf(outputFd, environment.isTerminal);
    // An empty NO_COLOR asks for nothing, as the convention has it.
    environment.noColourRequested = SetAndNotEmpty("NO_COLOR");
    environment.gitDiffVariables = SetAndNotEmpty("GIT_DIFF_PATH_TOTAL");
    environment.availableMemory = AvailableMemory();
    return environment;
}

} // namespace varnex
