// Reads one input of the console tool: a file, a named pipe, or standard input for "-".
#include "cli/InputReader.h"

#include "common/FileProbe.h"
#include "engine/load/SourceLoader.h"

namespace varnex {

bool ReadInput(const std::string& name, ByteBuffer& bytes, std::int64_t limit) {
    const std::string path = name == "-" ? "/dev/stdin" : name;
    return ReadWholeFile(path, bytes, static_cast<std::size_t>(limit));
}

bool ReadInput(const std::string& name, ByteBuffer& bytes) {
    return ReadInput(name, bytes, kMaxFileBytes);
}

} // namespace varnex
