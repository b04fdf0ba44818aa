// Reads one input of the console tool: a file, a named pipe, or standard input for "-".
#pragma once

#include "common/ByteBuffer.h"
#include "common/FileProbe.h"
#include "engine/load/SourceLoader.h"

#include <cstdint>
#include <string>

namespace varnex {

// Reading stops one byte past `limit`: endless devices and oversized inputs are TooLarge.
ReadOutcome ReadInput(const std::string& name, ByteBuffer& bytes,
                      std::int64_t limit = kMaxFileBytes);

} // namespace varnex
