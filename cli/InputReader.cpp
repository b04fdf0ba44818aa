// Reads one input of the console tool: a file, a named pipe, or standard input for "-".
#include "cli/InputReader.h"

namespace varnex {

InputLimit LimitWithin(std::uint64_t fileBytesInMemory) {
    if (fileBytesInMemory >= static_cast<std::uint64_t>(kMaxFileBytes)) return {};
    return {static_cast<std::int64_t>(fileBytesInMemory), ReadOutcome::OutOfMemory};
}

ReadOutcome ReadInput(const std::string& name, ByteBuffer& bytes, InputLimit limit) {
    const std::string path = name == "-" ? "/dev/stdin" : name;
    const ReadOutcome outcome = ReadWholeFile(path, bytes, static_cast<std::size_t>(limit.bytes));
    return outcome == ReadOutcome::TooLarge ? limit.pastLimit : outcome;
}

} // namespace varnex
