// Qt's own texts in German.
#include "app/ui/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace varnex {

QTranslator* InstallGermanQtTranslations(QCoreApplication& application) {
    auto* translator = new QTranslator(&application);
    // "qt_de" gathers the catalogues of every Qt module the program uses.
    if (!translator->load(QStringLiteral("qt_de"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}

} // namespace varnex
