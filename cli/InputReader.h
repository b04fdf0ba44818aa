// Reads one input of the console tool: a file, a named pipe, or standard input for "-".
#pragma once

#include "common/ByteBuffer.h"

#include <cstdint>
#include <string>

namespace varnex {

// False when the input cannot be read or holds more than `limit` bytes; reading stops there.
bool ReadInput(const std::string& name, ByteBuffer& bytes, std::int64_t limit);
bool ReadInput(const std::string& name, ByteBuffer& bytes);

} // namespace varnex
