// A pane as assistive technology reads it: lines, caret and selection by character offset, the
// events that tell their changes, the line description its host gives, and the context menu
// from the keyboard.
#include "tests/textview/support/SavedPaneGlobals.h"
#include "textview/model/settings/EditOptions.h"
#include "textview/model/settings/TabWidth.h"
#include "textview/widgets/AnsiEditView.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace varnex {
namespace {

// What the pane told, one line an event.
QString Recorded(QAccessibleEvent& event) {
    switch (event.type()) {
    case QAccessible::TextCaretMoved:
        return QStringLiteral("caret %1")
            .arg(static_cast<QAccessibleTextCursorEvent&>(event).cursorPosition());
    case QAccessible::TextSelectionChanged: {
        auto& selection = static_cast<QAccessibleTextSelectionEvent&>(event);
        return QStringLiteral("selection %1-%2")
            .arg(selection.selectionStart())
            .arg(selection.selectionEnd());
    }
    case QAccessible::TextUpdated:
        return "text " + static_cast<QAccessibleTextUpdateEvent&>(event).textInserted();
    case QAccessible::DescriptionChanged:
        return QStringLiteral("description");
    default:
        return QStringLiteral("other");
    }
}

// A shown UTF-8 pane whose accessibility events are recorded rather than sent anywhere.
class PaneAccessibleTest : public test::PaneGlobalsTest {
protected:
    PaneAccessibleTest() : pane(2048, 1000, CAnsiEditView::kPerCharacterStyles, "PaneAccessible") {
        TabWidth::Set(4);
        EditOptions::Set(0, ~std::uint32_t{0});
        pane.AccessEvents().SetTeller(
            [this](QAccessibleEvent& event) { told.push_back(Recorded(event)); });
        pane.SetEncoding(TextEncoding::Utf8);
        for (const std::string line : {"erste Zeile",
                                       "zweite Gr\xC3\xBC\xC3\x9F"
                                       "e",
                                       "Ende"})
            pane.SetLine(reinterpret_cast<const std::uint8_t*>(line.data()), pane.LineCount(),
                         static_cast<int>(line.size()), 0);
        pane.resize(400, 240);
        pane.show();
        pane.setFocus();
        QApplication::processEvents();
    }
    // The events told by the key press.
    QStringList Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        told.clear();
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(&pane, &event);
        QApplication::processEvents();
        return told;
    }

    QStringList told; // outlives the pane that reports to it
    CAnsiEditView pane;
};

TEST_F(PaneAccessibleTest, TextCaretSelectionAndDescriptionByCharacterOffset) {
    EXPECT_EQ(told, (QStringList{QString::fromUtf8("text erste Zeile\nzweite Grüße\nEnde"),
                                 "description"}));
    pane.setAccessibleName(QStringLiteral("links.txt"));
    pane.SetLineDescriber([](int line) { return "Zeile " + std::to_string(line + 1); });
    QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(&pane);
    ASSERT_NE(shown, nullptr);
    QAccessibleTextInterface* text = shown->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->characterCount(), 29) << "ü and ß are one character each";
    int start = -1;
    int end = -1;
    EXPECT_EQ(text->textAtOffset(14, QAccessible::LineBoundary, &start, &end),
              QString::fromUtf8("zweite Grüße\n"));
    EXPECT_EQ(std::pair(start, end), std::pair(12, 25));
    EXPECT_EQ(text->textAfterOffset(14, QAccessible::LineBoundary, &start, &end), "Ende");
    EXPECT_EQ(text->textBeforeOffset(14, QAccessible::LineBoundary, &start, &end), "erste Zeile\n");

    EXPECT_EQ(Press(Qt::Key_Down), (QStringList{"description", "caret 12"}));
    EXPECT_EQ(text->cursorPosition(), 12);
    EXPECT_EQ(shown->text(QAccessible::Name), "links.txt");
    EXPECT_EQ(shown->text(QAccessible::Description), "Zeile 2");

    EXPECT_EQ(Press(Qt::Key_End, Qt::ShiftModifier), (QStringList{"caret 24", "selection 12-24"}));
    text->selection(0, &start, &end);
    EXPECT_EQ(std::pair(start, end), std::pair(12, 24));

    text->setCursorPosition(26);
    EXPECT_EQ(pane.CaretPosition(), (TextPosition{1, 2}));
    EXPECT_EQ(text->selectionCount(), 0);
    EXPECT_EQ(text->offsetAtPoint(text->characterRect(26).center()), 26);
}

TEST_F(PaneAccessibleTest, ShiftF10OpensTheContextMenu) {
    Press(Qt::Key_F10, Qt::ShiftModifier);
    auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(popup, nullptr);
    EXPECT_FALSE(popup->actions().isEmpty());
    popup->close();
}

} // namespace
} // namespace varnex
