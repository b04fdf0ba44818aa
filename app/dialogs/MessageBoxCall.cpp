// How the view shows a modal message box; tests put in their own function to observe it.
#include "app/dialogs/MessageBoxCall.h"

namespace varnex {

void ShowModalMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                         const QString& text) {
    QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace varnex
