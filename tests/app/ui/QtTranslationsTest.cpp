// Qt's own dialogs and menus speak German once the program installed Qt's catalogue.
#include "app/ui/QtTranslations.h"

#include <QApplication>
#include <QTranslator>

#include <gtest/gtest.h>

namespace varnex {
namespace {

TEST(QtTranslations, StandardButtonsFileDialogsAndEditMenusAreGerman) {
    QTranslator* translator = InstallGermanQtTranslations(*QCoreApplication::instance());
    ASSERT_NE(translator, nullptr) << "qt6-translations-l10n is part of the bootstrap";
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
    EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Undo"), "&Rückgängig");
    EXPECT_NE(QCoreApplication::translate("QFileDialog", "Look in:"), "Look in:");
    QCoreApplication::removeTranslator(translator);
    delete translator;
}

} // namespace
} // namespace varnex
