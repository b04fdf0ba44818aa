// Every control of the pane's dialogs that the keyboard reaches has a name a screen reader can
// say: its own text, or the label it is the buddy of.
#include "tests/textview/dialogs/FakeSearchTarget.h"
#include "textview/dialogs/ColoursDlg.h"
#include "textview/dialogs/FindDlg.h"
#include "textview/dialogs/FontDlg.h"
#include "textview/dialogs/OptionsDlg.h"
#include "textview/dialogs/ReplaceDlg.h"
#include "textview/model/settings/StyleTable.h"

#include <QAccessible>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace varnex {
namespace {

class DialogNamesTest : public test::DialogTest {};

TEST_F(DialogNamesTest, EveryControlTheKeyboardReachesIsNamed) {
    const DialogSeams seams = SeamsDriving<QDialog>([](QDialog&) {});
    StyleTable styles;
    styles.EnsureSelectionStyle();
    std::vector<std::unique_ptr<QDialog>> dialogs;
    dialogs.push_back(std::make_unique<CFindDlg>(target, seams, QString()));
    dialogs.push_back(std::make_unique<CReplaceDlg>(target, seams, QString()));
    dialogs.push_back(std::make_unique<COptionsDlg>(target, seams));
    dialogs.push_back(std::make_unique<CFontDlg>(QFont()));
    dialogs.push_back(std::make_unique<CColoursDlg>(styles, std::nullopt, ColoursDialogSeams{}));
    for (const std::unique_ptr<QDialog>& dialog : dialogs) {
        for (QWidget* control : dialog->findChildren<QWidget*>()) {
            if (!(control->focusPolicy() & Qt::TabFocus) || !control->isVisibleTo(dialog.get()))
                continue;
            if (control->focusProxy()) continue; // the proxy is named in its place
            QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(control);
            ASSERT_NE(shown, nullptr);
            EXPECT_FALSE(shown->text(QAccessible::Name).isEmpty())
                << dialog->metaObject()->className() << " " << control->metaObject()->className();
        }
    }
}

} // namespace
} // namespace varnex
