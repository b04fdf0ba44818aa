// The command lines of both programs: the input's NUL-separated pieces are the arguments
// (the first is the program). Besides not crashing, the records must stay consistent.
#include "cli/DiffToolOptions.h"
#include "options/StartOptions.h"
#include "tests/fuzz/InputSplit.h"

#include <cstdlib>

namespace varnex {
namespace {

void Check(bool holds) {
    if (!holds) std::abort();
}

void CheckStartOptions(const StartOptions& options) {
    Check(options.fileCount >= 0 && options.fileCount <= 2);
    for (int i = options.fileCount; i < 2; ++i)
        Check(options.files[i].empty());
    Check(!options.expectSendFile || options.sendToDialog);
}

void CheckDiffToolOptions(const DiffToolOptions& options) {
    CheckStartOptions(options.start);
    // Each file is a plain argument, and every plain argument is an operand.
    Check(options.operands.size() >= static_cast<std::size_t>(options.start.fileCount));
    // Only console switches are refused: a "--" switch or a context count that is no number.
    Check(options.error.empty() || options.error.rfind("--", 0) == 0 ||
          options.error.rfind("-U", 0) == 0);
}

} // namespace
} // namespace varnex

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace varnex;
    const std::vector<std::string> arguments = fuzz::SplitAtNul(fuzz::AsText(data, size));
    StartOptions start = ParseStartOptions(arguments);
    CheckStartOptions(start);
    // The last argument doubles as a DefaultTypes list, to reach the -D extension rule.
    const CompareMode before = start.compareMode;
    ApplyDefaultTypes(start, arguments.back());
    Check(start.compareMode == before || start.compareMode == start.typeMode);
    CheckDiffToolOptions(ParseDiffToolOptions(arguments));
    return 0;
}
