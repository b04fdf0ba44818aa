// Which external editor opens a file, with which arguments, at the line a pane shows at its top.
#include "app/editor/EditorChoice.h"

#include <array>
#include <sstream>

namespace varnex {

namespace {

struct DesktopEditor {
    const char* name;
    LineSyntax syntax;
};

// Common graphical text editors, in the order they are tried, with their line options.
constexpr std::array<DesktopEditor, 9> kDesktopEditors{{
    {"gnome-text-editor", LineSyntax::Plus},
    {"gedit", LineSyntax::Plus},
    {"kate", LineSyntax::LineFlag},
    {"kwrite", LineSyntax::LineFlag},
    {"pluma", LineSyntax::Plus},
    {"xed", LineSyntax::Plus},
    {"mousepad", LineSyntax::None},
    {"leafpad", LineSyntax::JumpFlag},
    {"featherpad", LineSyntax::None},
}};

// Joins a folder and a tail with exactly one "/" between them.
std::string JoinPath(std::string folder, std::string tail) {
    if (!folder.empty() && folder.back() == '/') folder.pop_back();
    if (!tail.empty() && tail.front() == '/') tail.erase(0, 1);
    return folder + "/" + tail;
}

std::optional<EditorCandidate> FindOnPath(const std::string& searchPath,
                                          const std::function<bool(const std::string&)>& isFile) {
    for (const DesktopEditor& editor : kDesktopEditors) {
        std::istringstream folders(searchPath);
        for (std::string folder; std::getline(folders, folder, ':');) {
            if (folder.empty()) continue;
            const std::string program = JoinPath(folder, editor.name);
            if (isFile(program)) return EditorCandidate{program, editor.syntax};
        }
    }
    return std::nullopt;
}

// Desktop editors take a leading "-" or "+" as an option; "./" keeps such a name a file.
std::string SafeFileArgument(const std::string& path, LineSyntax syntax) {
    const bool looksLikeOption = !path.empty() && (path[0] == '-' || path[0] == '+');
    return looksLikeOption && syntax != LineSyntax::Sibling ? "./" + path : path;
}

} // namespace

std::optional<EditorCandidate> ChooseEditor(const std::string& programFolder,
                                            const std::string& searchPath,
                                            const std::function<bool(const std::string&)>& isFile) {
    const std::array<std::string, 3> siblings{
        JoinPath(programFolder, "../Scribent/scribent"),
        JoinPath(programFolder, "scribent"),
        kInstalledSiblingEditor,
    };
    for (const std::string& program : siblings) {
        if (isFile(program)) return EditorCandidate{program, LineSyntax::Sibling};
    }
    return FindOnPath(searchPath, isFile);
}

int LineAtTopRow(const std::uint16_t* lines, int rowCount, int topRow) {
    if (topRow < 0 || topRow >= rowCount) return 0;
    for (int row = topRow; row < rowCount; ++row) {
        if (lines[row] != 0) return lines[row];
    }
    return 0;
}

EditorCommand BuildEditorCommand(const EditorCandidate& editor, const std::string& path, int line) {
    EditorCommand command{editor.program, {}};
    auto& args = command.arguments;
    const std::string number = std::to_string(line);
    if (line > 0) {
        switch (editor.syntax) {
        case LineSyntax::Plus:
            args.push_back("+" + number);
            break;
        case LineSyntax::LineFlag:
            args.insert(args.end(), {"--line", number});
            break;
        case LineSyntax::JumpFlag:
            args.push_back("--jump=" + number);
            break;
        case LineSyntax::Sibling:
        case LineSyntax::None:
            break;
        }
    }
    args.push_back(SafeFileArgument(path, editor.syntax));
    if (line > 0 && editor.syntax == LineSyntax::Sibling) {
        args.push_back("-s:" + std::to_string(line - 1) + ":0");
    }
    return command;
}

} // namespace varnex
