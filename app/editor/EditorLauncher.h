// Starts the external editor on a file at a line, detached and without a shell.
#pragma once

#include <string>

namespace varnex {

struct EditorEnvironment {
    std::string programFolder; // where this program lives; the sibling editor is looked for there
    std::string searchPath;    // the folders of PATH
};

// This process's folder and PATH.
EditorEnvironment CurrentEditorEnvironment();

// Opens `path` at `line` (1-based, 0 = none) in the first editor found. A missing editor or
// a failed start does nothing visible; returns whether an editor was started.
bool LaunchEditor(const std::string& path, int line, const EditorEnvironment& environment);

} // namespace varnex
