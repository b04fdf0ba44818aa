// Reads one input of the console tool: a file, a named pipe, or standard input for "-".
#pragma once

#include "common/ByteBuffer.h"
#include "common/FileProbe.h"
#include "engine/load/SourceLoader.h"

#include <cstdint>
#include <string>

namespace varnex {

// Where reading an input stops, and what an input past it is: too large for any reader
// (TooLarge), or for the memory its compare could have (OutOfMemory).
struct InputLimit {
    std::int64_t bytes = kMaxFileBytes;
    ReadOutcome pastLimit = ReadOutcome::TooLarge;
};

// The limit for an input when the compare's memory still holds `fileBytesInMemory` file bytes.
InputLimit LimitWithin(std::uint64_t fileBytesInMemory);

// Reading stops one byte past the limit, so endless devices and pipes end too.
ReadOutcome ReadInput(const std::string& name, ByteBuffer& bytes, InputLimit limit = {});

} // namespace varnex
