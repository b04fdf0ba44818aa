// Starts a program detached from this process, with its arguments as the bytes they are.
#pragma once

#include <string>
#include <vector>

namespace varnex {

// Runs `program` (a path, or a name looked up on PATH) with `arguments` in a new session whose
// parent is not this process, so that it outlives us and leaves no zombie. True once the
// program is running; false when it could not be started.
bool StartDetached(const std::string& program, const std::vector<std::string>& arguments);

} // namespace varnex
