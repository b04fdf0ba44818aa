// The program varnex: compares two text files in a window.
#include "app/startup/VarnexApp.h"
#include "app/ui/IconResources.h"
#include "app/ui/QtTranslations.h"

#include <QApplication>
#include <QIcon>

#include <string>
#include <vector>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    varnex::InstallGermanQtTranslations(application);
    varnex::EnsureIconResources();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/varnex.svg")));
    // The arguments as the bytes they are: file names need not be valid text.
    const std::vector<std::string> arguments(argv, argv + argc);
    varnex::CVarnexApp app;
    // An instance that handed its file over ends without a window, reporting failure.
    if (!app.InitInstance(arguments)) return 1;
    return QApplication::exec();
}
