// Which external editor opens a file, with which arguments, at the line a pane shows at its top.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace varnex {

// How an editor is told the line to start at.
enum class LineSyntax {
    Sibling,  // the maker's own editor: "-s:<0-based line>:0"
    Plus,     // "+<line>" before the file
    LineFlag, // "--line" "<line>" before the file
    JumpFlag, // "--jump=<line>" before the file
    None,     // no line option that could not be mistaken for a file name
};

struct EditorCandidate {
    std::string program;
    LineSyntax syntax = LineSyntax::None;
};

struct EditorCommand {
    std::string program;
    std::vector<std::string> arguments;
};

// Where the maker's editor is installed when it is not beside this program.
inline constexpr const char* kInstalledSiblingEditor = "/usr/lib/tamsel/scribent/scribent";

// The first existing editor: the sibling editor in ../Scribent or beside the program, the
// installed one, then the first common desktop text editor found on `searchPath`.
std::optional<EditorCandidate> ChooseEditor(const std::string& programFolder,
                                            const std::string& searchPath,
                                            const std::function<bool(const std::string&)>& isFile);

// 1-based file line shown at `topRow`: a placeholder row takes the next real line; 0 when
// there is none or the row is outside the table.
int LineAtTopRow(const std::uint16_t* lines, int rowCount, int topRow);

// Program and argument list (never passed through a shell) opening `path` at `line` (1-based,
// 0 = no line).
EditorCommand BuildEditorCommand(const EditorCandidate& editor, const std::string& path, int line);

} // namespace varnex
