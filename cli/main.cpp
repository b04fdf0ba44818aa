// varnex-diff: compares two text files on the console.
#include "cli/DiffTool.h"

#include <cstdio>
#include <cstdlib>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

// Terminals narrower than this still get a readable, if cut, layout.
constexpr int kMinColumns = 40;

varnex::TerminalInfo QueryTerminal() {
    varnex::TerminalInfo info;
    info.isTerminal = isatty(STDOUT_FILENO) != 0;
    info.noColourRequested = std::getenv("NO_COLOR") != nullptr;
    winsize size{};
    if (info.isTerminal && ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) {
        info.columns = size.ws_col;
    } else if (const char* columns = std::getenv("COLUMNS")) {
        info.columns = std::atoi(columns);
    }
    if (info.columns < kMinColumns) info.columns = kMinColumns;
    return info;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv, argv + argc);
    std::string out, err;
    const int status = varnex::RunDiffTool(arguments, QueryTerminal(), out, err);
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fwrite(err.data(), 1, err.size(), stderr);
    return std::fflush(stdout) == 0 ? status : varnex::kExitTrouble;
}
