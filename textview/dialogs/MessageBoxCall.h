// How the view shows a modal message box or asks a question; tests put in their own function to
// observe it.
#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

namespace varnex {

using MessageBoxCall = std::function<void(QWidget* parent, QMessageBox::Icon icon,
                                          const QString& caption, const QString& text)>;

// Gives the box's text the width of its longest line, as far as the screen allows, so that a
// message does not break before its last word.
void KeepMessageLinesWhole(QMessageBox& box);

// Shows the message in a modal QMessageBox with an OK button.
void ShowModalMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                         const QString& text);

enum class Answer { Yes, No, Cancel };

using QuestionCall =
    std::function<Answer(QWidget* parent, const QString& caption, const QString& text)>;

// Asks in a modal QMessageBox with the buttons "Ja", "Nein" and "Abbrechen"; Esc cancels.
Answer AskModalQuestion(QWidget* parent, const QString& caption, const QString& text);

} // namespace varnex
