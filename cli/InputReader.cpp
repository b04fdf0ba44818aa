// Reads one input of the console tool: a file, a named pipe, or standard input for "-".
#include "cli/InputReader.h"

namespace varnex {

ReadOutcome ReadInput(const std::string& name, ByteBuffer& bytes, std::int64_t limit) {
    const std::string path = name == "-" ? "/dev/stdin" : name;
    return ReadWholeFile(path, bytes, static_cast<std::size_t>(limit));
}

} // namespace varnex
