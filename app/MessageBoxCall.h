// How the view shows a modal message box; tests put their own function in to see the message without a modal loop.
#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

namespace varnex {

using MessageBoxCall =
    std::function<void(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text)>;

// Shows the message in a modal QMessageBox with an OK button.
void ShowModalMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                         const QString& text);

} // namespace varnex
