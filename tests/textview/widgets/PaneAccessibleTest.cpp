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
#include <vector>

namespace varnex {
namespace {

struct ToldEvent {
    QAccessible::Event type;
    int caret = -1;
    int selectionStart = -1;
    int selectionEnd = -1;
    QString inserted;
};

ToldEvent Recorded(QAccessibleEvent& event) {
    ToldEvent told{event.type(), -1, -1, -1, {}};
    if (event.type() == QAccessible::TextCaretMoved)
        told.caret = static_cast<QAccessibleTextCursorEvent&>(event).cursorPosition();
    if (event.type() == QAccessible::TextSelectionChanged) {
        auto& selection = static_cast<QAccessibleTextSelectionEvent&>(event);
        told.selectionStart = selection.selectionStart();
        told.selectionEnd = selection.selectionEnd();
    }
    if (event.type() == QAccessible::TextUpdated)
        told.inserted = static_cast<QAccessibleTextUpdateEvent&>(event).textInserted();
    return told;
}

// A shown UTF-8 pane whose accessibility events are recorded rather than sent anywhere.
class PaneAccessibleTest : public test::PaneGlobalsTest {
protected:
    PaneAccessibleTest() : pane(2048, 1000, CAnsiEditView::kPerCharacterStyles, "PaneAccessible") {
        TabWidth::Set(4);
        EditOptions::Set(0, ~std::uint32_t{0});
        pane.AccessEvents().SetTeller(
            [this](QAccessibleEvent& event) { told.push_back(Recorded(event)); });
        pane.setAccessibleName(QStringLiteral("links.txt"));
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
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(&pane, &event);
        QApplication::processEvents();
    }
    QAccessibleTextInterface& Text() {
        QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(&pane);
        EXPECT_NE(shown, nullptr);
        EXPECT_NE(shown->textInterface(), nullptr);
        return *shown->textInterface();
    }
    const ToldEvent* LastTold(QAccessible::Event type) const {
        for (auto event = told.rbegin(); event != told.rend(); ++event)
            if (event->type == type) return &*event;
        return nullptr;
    }

    std::vector<ToldEvent> told; // outlives the pane that reports to it
    CAnsiEditView pane;
};

TEST_F(PaneAccessibleTest, TextCaretAndSelectionByCharacterOffset) {
    QAccessibleTextInterface& text = Text();
    EXPECT_EQ(text.characterCount(), 29) << "ü and ß are one character each";
    int start = -1;
    int end = -1;
    EXPECT_EQ(text.textAtOffset(14, QAccessible::LineBoundary, &start, &end),
              QString::fromUtf8("zweite Grüße\n"));
    EXPECT_EQ(start, 12);
    EXPECT_EQ(end, 25);
    EXPECT_EQ(text.textAtOffset(20, QAccessible::WordBoundary, &start, &end),
              QString::fromUtf8("Grüße"));
    EXPECT_EQ(text.textAfterOffset(14, QAccessible::LineBoundary, &start, &end), "Ende");
    EXPECT_EQ(text.textBeforeOffset(14, QAccessible::LineBoundary, &start, &end), "erste Zeile\n");
    const ToldEvent* filled = LastTold(QAccessible::TextUpdated);
    ASSERT_NE(filled, nullptr) << "filling the pane is told";
    EXPECT_EQ(filled->inserted, QString::fromUtf8("erste Zeile\nzweite Grüße\nEnde"));

    Press(Qt::Key_Down);
    EXPECT_EQ(text.cursorPosition(), 12);
    ASSERT_NE(LastTold(QAccessible::TextCaretMoved), nullptr);
    EXPECT_EQ(LastTold(QAccessible::TextCaretMoved)->caret, 12);

    Press(Qt::Key_End, Qt::ShiftModifier);
    EXPECT_EQ(text.selectionCount(), 1);
    text.selection(0, &start, &end);
    EXPECT_EQ(start, 12);
    EXPECT_EQ(end, 24);
    const ToldEvent* selected = LastTold(QAccessible::TextSelectionChanged);
    ASSERT_NE(selected, nullptr);
    EXPECT_EQ(selected->selectionStart, 12);
    EXPECT_EQ(selected->selectionEnd, 24);

    text.setCursorPosition(26);
    EXPECT_EQ(pane.CaretPosition(), (TextPosition{1, 2}));
    EXPECT_EQ(text.selectionCount(), 0);
    EXPECT_EQ(text.offsetAtPoint(text.characterRect(26).center()), 26);
}

TEST_F(PaneAccessibleTest, NamedByItsHostAndDescribedByTheCaretLine) {
    pane.SetLineDescriber([](int line) { return "Zeile " + std::to_string(line + 1); });
    Press(Qt::Key_Down);
    QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(&pane);
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->text(QAccessible::Name), "links.txt");
    EXPECT_EQ(shown->text(QAccessible::Description), "Zeile 2");
    EXPECT_NE(LastTold(QAccessible::DescriptionChanged), nullptr);
    EXPECT_TRUE(shown->state().multiLine);
    EXPECT_EQ(shown->state().readOnly, pane.ReadOnly());
}

TEST_F(PaneAccessibleTest, ShiftF10OpensTheContextMenu) {
    Press(Qt::Key_F10, Qt::ShiftModifier);
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(qobject_cast<QMenu*>(popup), nullptr);
    EXPECT_FALSE(static_cast<QMenu*>(popup)->actions().isEmpty());
    popup->close();
}

} // namespace
} // namespace varnex
