// The program varnex: compares two text files in a window.
#include "app/startup/ConsoleAnswer.h"
#include "app/startup/VarnexApp.h"
#include "app/ui/IconResources.h"
#include "app/ui/QtTranslations.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// The desktop entry's name, so that desktops match the window to its menu entry and icon.
constexpr const char* kDesktopFileName = "de.tamsel.varnex";

} // namespace

int main(int argc, char** argv) {
    // --help and --version must work without a display, so they are answered before Qt starts.
    if (const auto answer = varnex::ConsoleAnswer(std::vector<std::string>(argv, argv + argc))) {
        std::fwrite(answer->data(), 1, answer->size(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    QApplication application(argc, argv);
    varnex::InstallGermanQtTranslations(application);
    varnex::EnsureIconResources();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/varnex.svg")));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));
    // The arguments as the bytes they are: file names need not be valid text.
    const std::vector<std::string> arguments(argv, argv + argc);
    varnex::CVarnexApp app;
    // An instance that handed its file over ends without a window, reporting failure.
    if (!app.InitInstance(arguments)) return 1;
    return QApplication::exec();
}
