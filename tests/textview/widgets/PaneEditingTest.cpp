// An editable pane driven by keys, its context menu, its notifications and its host operations.
#include "tests/textview/support/SavedPaneGlobals.h"
#include "textview/model/settings/EditOptions.h"
#include "textview/model/settings/TabWidth.h"
#include "textview/widgets/AnsiEditView.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace varnex {
namespace {

class PaneEditingTest : public test::PaneGlobalsTest {
protected:
    PaneEditingTest() : pane(256, 100, CAnsiEditView::kPerCharacterStyles, "PaneEditingTest") {
        TabWidth::Set(4);
        EditOptions::Set(0, ~std::uint32_t{0});
        pane.SetBeep([this] { ++beeps; });
        pane.resize(400, 200);
        pane.show();
        pane.activateWindow();
        pane.setFocus();
        QApplication::processEvents();
    }

    std::vector<std::string> Text() const {
        std::vector<std::string> lines;
        for (int i = 0; i < pane.LineCount(); ++i) {
            const TextLine* line = pane.GetLine(i);
            lines.emplace_back(reinterpret_cast<const char*>(line->Text()),
                               static_cast<std::size_t>(line->Length()));
        }
        return lines;
    }

    CAnsiEditView pane;
    int beeps = 0;
};

TEST_F(PaneEditingTest, ATypedSessionWithIndentUndoAndRedo) {
    QTest::keyClicks(&pane, "int f()");
    QTest::keyClick(&pane, Qt::Key_Return);
    QTest::keyClicks(&pane, "{ return 1; }");
    QTest::keyClick(&pane, Qt::Key_Return);
    EXPECT_EQ(Text(), (std::vector<std::string>{"int f()", "{ return 1; }", ""}));
    QTest::keyClick(&pane, Qt::Key_Up, Qt::ShiftModifier);
    QTest::keyClick(&pane, Qt::Key_Up, Qt::ShiftModifier);
    QTest::keyClick(&pane, Qt::Key_Tab);
    EXPECT_EQ(Text(), (std::vector<std::string>{"\tint f()", "\t{ return 1; }", ""}));
    QTest::keyClick(&pane, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Text()[0], "int f()") << "the indent goes in one step";
    QTest::keyClick(&pane, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(&pane, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Text(), (std::vector<std::string>{"int f()", "{ return 1; "}))
        << "the Enter, then the run of blanks and the brace";
    QTest::keyClick(&pane, Qt::Key_Y, Qt::ControlModifier);
    QTest::keyClick(&pane, Qt::Key_Y, Qt::ControlModifier);
    QTest::keyClick(&pane, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Text(), (std::vector<std::string>{"\tint f()", "\t{ return 1; }", ""}));
    EXPECT_EQ(beeps, 0);
}

TEST_F(PaneEditingTest, InsertTogglesOverwriteAndTheStatusSaysSo) {
    QTest::keyClicks(&pane, "abc");
    pane.SetStatusOutput(true);
    QSignalSpy published(&pane, &CAnsiEditView::StatusPublished);
    QTest::keyClick(&pane, Qt::Key_Insert);
    ASSERT_FALSE(published.isEmpty());
    EXPECT_EQ(published.last().at(1).toString(), QString::fromUtf8("Über."));
    QTest::keyClick(&pane, Qt::Key_Home);
    QTest::keyClicks(&pane, "X");
    EXPECT_EQ(Text()[0], "Xbc");
}

TEST_F(PaneEditingTest, AUtf8PaneCopiesPastesAndTypesCharacters) {
    pane.SetEncoding(TextEncoding::Utf8);
    const std::string attack = "\xD0\xB0\xD1\x82\xD0\xB0\xD0\xBA ok"; // "атак ok"
    pane.SetLine(reinterpret_cast<const std::uint8_t*>(attack.data()), 0,
                 static_cast<int>(attack.size()), 0);
    pane.SetCaret(0, 0, 0);
    pane.SetCaret(4, 0, CaretMove::kExtend);
    pane.CopySelection();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("атак"));
    QGuiApplication::clipboard()->setText(QString::fromUtf8("中文\r\nx"));
    QTest::keyClick(&pane, Qt::Key_End);
    QTest::keyClick(&pane, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Text(), (std::vector<std::string>{attack + "\xE4\xB8\xAD\xE6\x96\x87", "x"}));
    QKeyEvent typed(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8("ж"));
    QApplication::sendEvent(&pane, &typed);
    EXPECT_EQ(Text()[1], "x\xD0\xB6");
    pane.SetEncoding(TextEncoding::Windows1252);
    pane.SetCaret(0, 0, 0);
    pane.SetCaret(2, 0, CaretMove::kExtend);
    pane.CopySelection();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("Ð°")) << "bytes as before";
}

TEST_F(PaneEditingTest, TheContextMenuNamesTheWordAndGreysWhatCannotBeDone) {
    pane.SetLine(reinterpret_cast<const std::uint8_t*>("some words"), 0, 10, 0);
    std::unique_ptr<QMenu> menu(pane.BuildContextMenu(pane.CellRect({6, 0}).center()));
    ASSERT_NE(menu, nullptr);
    QStringList texts;
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator()) texts << action->text();
    }
    EXPECT_EQ(texts, (QStringList{"&Ausschneiden", "&Kopiere Wort", "&Einfügen", "&Löschen",
                                  "&Suchen", "&Erset&zen", "&Einstellungen", "&Farben einstellen",
                                  "Schri&ften einstellen"}));
    EXPECT_FALSE(menu->actions().at(0)->isEnabled()) << "cut without a selection";
    EXPECT_TRUE(menu->actions().at(1)->isEnabled());
    menu->actions().at(1)->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("words"));
    const QList<QAction*> actions = menu->actions();
    EXPECT_TRUE(actions.at(actions.size() - 1)->isEnabled()) << "fonts";
    EXPECT_TRUE(actions.at(actions.size() - 2)->isEnabled()) << "colours";

    pane.SetContextMenuHook([](QMenu& hooked, QPoint) {
        hooked.addAction(QStringLiteral("host's own"));
        return true;
    });
    EXPECT_EQ(pane.BuildContextMenu(QPoint(5, 5)), nullptr) << "the host took the menu";
}

TEST_F(PaneEditingTest, FocusAndForwardedTabAreNotified) {
    QSignalSpy notified(&pane, &CAnsiEditView::Notification);
    pane.clearFocus();
    pane.setFocus();
    QApplication::processEvents();
    ASSERT_GE(notified.count(), 2);
    EXPECT_EQ(notified.at(notified.count() - 2).at(0).toInt(), 0x2CF7);
    EXPECT_EQ(notified.last().at(0).toInt(), 0x2CF8);
    pane.SetEditable(false);
    QTest::keyClick(&pane, Qt::Key_Tab);
    EXPECT_EQ(beeps, 1) << "a read-only pane that does not forward Tab beeps";
    pane.SetForwardTab(true);
    QTest::keyClick(&pane, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(notified.last().at(0).toInt(), 0x2CF9);
    EXPECT_EQ(notified.last().at(1).toInt(), 1) << "with Shift";
    EXPECT_EQ(beeps, 1);
}

TEST_F(PaneEditingTest, AHostMovesTheCaretScrollsAndSetsOptions) {
    for (int i = 0; i < 50; ++i) {
        const std::string line = "line " + std::to_string(i);
        pane.SetLine(reinterpret_cast<const std::uint8_t*>(line.data()), i,
                     static_cast<int>(line.size()), 0);
    }
    EXPECT_EQ(pane.MoveTo({2, 3}, false), (TextPosition{0, 0}));
    EXPECT_EQ(pane.CaretPosition(), (TextPosition{2, 3}));
    EXPECT_EQ(pane.ExtendSelectionTo({1, 4}), (TextPosition{2, 3}));
    EXPECT_EQ(pane.SelectionFixedEnd(), (TextPosition{2, 3}));
    EXPECT_EQ(pane.Editor().SelectedText(), "ne 3\nl");
    EXPECT_EQ(pane.ScrollToCell({0, 20}), (TextPosition{0, 0}));
    EXPECT_EQ(pane.ScrollPosition(), (TextPosition{0, 20}));
    EXPECT_EQ(pane.SetTabWidth(8), 4);
    EXPECT_EQ(TabWidth::Get(), 8);
    EXPECT_EQ(pane.SetTabWidth(99), 8) << "out of range: no change";
    EXPECT_EQ(TabWidth::Get(), 8);
    pane.SetEditOptions({EditOptions::kLineNumbers, EditOptions::kLineNumbers});
    EXPECT_EQ(pane.MarginWidth(), CAnsiEditView::kOptionMarginWidth);
    EXPECT_TRUE(EditOptions::Get() & EditOptions::kChanged);
}

} // namespace
} // namespace varnex
