// How the view shows a modal message box; tests put in their own function to observe it.
#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

namespace varnex {

using MessageBoxCall = std::function<void(QWidget* parent, QMessageBox::Icon icon,
                                          const QString& caption, const QString& text)>;

// Shows the message in a modal QMessageBox with an OK button.
void ShowModalMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                         const QString& text);

} // namespace varnex
