// How modal dialogs are run; tests put in their own function so that no modal loop blocks them.
#pragma once

#include <QDialog>

#include <functional>

namespace varnex {

// Runs the dialog and returns its result (QDialog::Accepted or Rejected).
using DialogRunner = std::function<int(QDialog& dialog)>;

inline int RunModalDialog(QDialog& dialog) {
    return dialog.exec();
}

} // namespace varnex
