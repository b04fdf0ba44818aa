// How the view shows a modal message box; tests put their own function in to see the message without a modal loop.
#include "app/MessageBoxCall.h"

namespace varnex {

void ShowModalMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                         const QString& text) {
    QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace varnex
