// The pop-up menu of the find and replace dialogs that inserts regular-expression elements into
// the search text.
#pragma once

#include <QString>

class QLineEdit;
class QMenu;
class QWidget;

namespace varnex {

// A new menu owned by `parent`: one entry per element, in the order the user knows, with
// separators between the families. Each action's data() is its element code; its tool tip
// names what the element matches and shows its syntax.
QMenu* BuildPatternMenu(QWidget* parent);

// Puts the syntax of element `code` into `edit` at its cursor, replacing the selection, and
// leaves the cursor where the element wants it (e.g. inside brackets). False for an unknown code.
bool InsertPatternElement(QLineEdit& edit, int code);

} // namespace varnex
