// How the view shows a modal message box or asks a question.
#include "textview/dialogs/MessageBoxCall.h"

#include "textview/dialogs/DialogText.h"
#include "textview/model/settings/PaneTexts.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace varnex {

namespace {

// Room the box keeps beside its text: icon, margins and frame.
constexpr int kBoxFurniture = 160;

} // namespace

// A message box wraps its text at a width of its own choosing, which breaks even short
// messages before their last word; the label is given the text's own width instead, as far as
// the screen allows.
void KeepMessageLinesWhole(QMessageBox& box) {
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (!label) return;
    const QFontMetrics metrics(label->font());
    int widest = 0;
    for (const QString& line : box.text().split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const QScreen* screen = box.screen();
    const int room = screen ? screen->availableGeometry().width() - kBoxFurniture : widest;
    label->setMinimumWidth(std::min(widest + 1, room));
}

void ShowModalMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                         const QString& text) {
    QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
    KeepMessageLinesWhole(box);
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
    KeepMessageLinesWhole(box);
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
