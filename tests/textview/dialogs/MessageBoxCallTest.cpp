// Message boxes keep an ordinary message on one line instead of breaking off its last word.
#include "textview/dialogs/MessageBoxCall.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>

#include <gtest/gtest.h>

namespace varnex {
namespace {

int LabelLines(QMessageBox& box) {
    box.show();
    QApplication::processEvents();
    const auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    const int lineHeight = QFontMetrics(label->font()).lineSpacing();
    return (label->height() + lineHeight / 2) / lineHeight;
}

TEST(MessageBoxCall, AnOpenErrorStaysOnOneLine) {
    const QString text = QString::fromUtf8(
        "Die erste Datei /home/anna/projekte/lager/src/inventory-old.cpp konnte nicht "
        "geöffnet werden !");
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Fehler"), text, QMessageBox::Ok);
    KeepMessageLinesWhole(box);
    EXPECT_EQ(LabelLines(box), 1);
}

TEST(MessageBoxCall, TextsWiderThanTheScreenStillWrap) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Fehler"),
                    QString(3000, QLatin1Char('x')) + QStringLiteral(" ende"), QMessageBox::Ok);
    KeepMessageLinesWhole(box);
    box.show();
    QApplication::processEvents();
    EXPECT_LE(box.width(), box.screen()->availableGeometry().width());
}

} // namespace
} // namespace varnex
