// Reads one input of the console tool: a file, a named pipe, or standard input for "-".
#pragma once

#include "common/ByteBuffer.h"

#include <string>

namespace varnex {

bool ReadInput(const std::string& name, ByteBuffer& bytes);

} // namespace varnex
