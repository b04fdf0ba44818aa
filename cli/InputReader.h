// Reads one input of the console tool: a file, a named pipe, or standard input for "-".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace varnex {

bool ReadInput(const std::string& name, std::vector<std::uint8_t>& bytes);

} // namespace varnex
