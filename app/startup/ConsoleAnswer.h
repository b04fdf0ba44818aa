// The window program's answers on the console: --help and --version, given before any window.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace varnex {

// The text for the first "--help" or "--version" among the arguments (argument 0, the
// program, is skipped); nothing when neither is given, and the program starts as usual.
std::optional<std::string> ConsoleAnswer(const std::vector<std::string>& arguments);

} // namespace varnex
