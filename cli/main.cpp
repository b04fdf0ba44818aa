// varnex-diff: compares two text files on the console.
#include "cli/DiffTool.h"
#include "cli/ToolEnvironment.h"

#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv, argv + argc);
    std::string out, err;
    const int status =
        varnex::RunDiffTool(arguments, varnex::ReadToolEnvironment(STDOUT_FILENO), out, err);
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fwrite(err.data(), 1, err.size(), stderr);
    return std::fflush(stdout) == 0 ? status : varnex::kExitTrouble;
}
