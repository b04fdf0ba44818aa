// Starts the external editor on a file at a line, detached and without a shell.
#include "app/editor/EditorLauncher.h"

#include "app/editor/EditorChoice.h"
#include "common/FileProbe.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStringList>

namespace varnex {

EditorEnvironment CurrentEditorEnvironment() {
    return {QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString(),
            qEnvironmentVariable("PATH").toStdString()};
}

bool LaunchEditor(const std::string& path, int line, const EditorEnvironment& environment) {
    const auto isFile = [](const std::string& candidate) {
        return ProbePath(candidate) == PathKind::RegularFile;
    };
    const auto editor = ChooseEditor(environment.programFolder, environment.searchPath, isFile);
    if (!editor) return false;
    const EditorCommand command = BuildEditorCommand(*editor, path, line);
    QStringList arguments;
    for (const std::string& argument : command.arguments) {
        arguments << QFile::decodeName(QByteArray::fromStdString(argument));
    }
    return QProcess::startDetached(QFile::decodeName(QByteArray::fromStdString(command.program)),
                                   arguments);
}

} // namespace varnex
