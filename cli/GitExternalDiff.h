// The arguments git passes to an external diff (GIT_EXTERNAL_DIFF, diff.external).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace varnex {

struct GitDiffCall {
    std::string path;                  // as git names it, relative to the top of the work tree
    bool unmerged = false;             // git has nothing to compare, only the path
    std::array<std::string, 2> files;  // by IndexOf(Side): the old and the new file
    std::array<std::string, 2> labels; // what git's own diff would call them
};

// Reads the plain arguments of a call by git: "path old-file old-hex old-mode new-file new-hex
// new-mode", two more (the new path and a note) for a renamed path, or the path alone for an
// unmerged one. Nothing for any other count.
std::optional<GitDiffCall> ReadGitDiffCall(const std::vector<std::string>& operands);

} // namespace varnex
