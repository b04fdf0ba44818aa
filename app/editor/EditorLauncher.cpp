// Starts the external editor on a file at a line, detached and without a shell.
#include "app/editor/EditorLauncher.h"

#include "app/editor/EditorChoice.h"
#include "app/ui/PathText.h"
#include "common/FileProbe.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStringList>

namespace varnex {

EditorEnvironment CurrentEditorEnvironment() {
    return {PathBytes(QCoreApplication::applicationDirPath()),
            qEnvironmentVariable("PATH").toStdString()};
}

bool LaunchEditor(const std::string& path, int line, const EditorEnvironment& environment) {
    const auto editor =
        ChooseEditor(environment.programFolder, environment.searchPath, IsRegularFile);
    if (!editor) return false;
    const EditorCommand command = BuildEditorCommand(*editor, path, line);
    QStringList arguments;
    for (const std::string& argument : command.arguments) {
        arguments << PathText(argument);
    }
    return QProcess::startDetached(PathText(command.program), arguments);
}

} // namespace varnex
