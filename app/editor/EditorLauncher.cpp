// Starts the external editor on a file at a line, detached and without a shell.
#include "app/editor/EditorLauncher.h"

#include "app/editor/DetachedProcess.h"
#include "app/editor/EditorChoice.h"
#include "common/FileProbe.h"

#include <cstdlib>
#include <filesystem>

namespace varnex {

// Both as bytes: a folder name need not be valid text.
EditorEnvironment CurrentEditorEnvironment() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    const char* searchPath = std::getenv("PATH");
    return {error ? std::string() : program.parent_path().string(), searchPath ? searchPath : ""};
}

bool LaunchEditor(const std::string& path, int line, const EditorEnvironment& environment) {
    const auto editor =
        ChooseEditor(environment.programFolder, environment.searchPath, IsRegularFile);
    if (!editor) return false;
    const EditorCommand command = BuildEditorCommand(*editor, path, line);
    return StartDetached(command.program, command.arguments);
}

} // namespace varnex
