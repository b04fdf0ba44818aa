// Reads one input of the console tool: a file, a named pipe, or standard input for "-".
#include "cli/InputReader.h"

#include "common/FileProbe.h"
#include "engine/load/SourceLoader.h"

namespace varnex {

bool ReadInput(const std::string& name, ByteBuffer& bytes) {
    const bool ok = name == "-" ? ReadWholeFile("/dev/stdin", bytes) : ReadWholeFile(name, bytes);
    return ok && static_cast<std::int64_t>(bytes.size()) <= kMaxFileBytes;
}

} // namespace varnex
