// Qt's own texts (file dialogs, standard buttons, line edit menus) in German, like ours.
#pragma once

class QCoreApplication;
class QTranslator;

namespace varnex {

// Installs Qt's German catalogue on `application`, whatever the locale says. Returns the
// installed translator (owned by the application), or null when the catalogue is not there
// and Qt speaks English.
QTranslator* InstallGermanQtTranslations(QCoreApplication& application);

} // namespace varnex
