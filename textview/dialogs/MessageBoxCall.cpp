// How the view shows a modal message box or asks a question.
#include "textview/dialogs/MessageBoxCall.h"

#include "textview/dialogs/DialogText.h"
#include "textview/model/PaneTexts.h"

#include <QPushButton>

namespace varnex {

void ShowModalMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                         const QString& text) {
    QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
    box.exec();
}

Answer AskModalQuestion(QWidget* parent, const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Question, caption, text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    // Set explicitly: the platform's own texts need not be German.
    box.button(QMessageBox::Yes)->setText(DialogText(kYesText));
    box.button(QMessageBox::No)->setText(DialogText(kNoText));
    box.button(QMessageBox::Cancel)->setText(DialogText(kCancelText));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

} // namespace varnex
