// The main window as assistive technology meets it: named controls, panes named by their files
// and describing the caret's row, and the difference a jump reached said in the status bar.
#include "tests/app/frame/FrameTestSupport.h"

#include "app/doublepane/TextDoubleWnd.h"
#include "app/overview/OverviewBar.h"
#include "res/CommandId.h"

#include <QAccessible>
#include <QLabel>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

namespace varnex {
namespace {

using test::ShownFrame;

QString AccessibleText(QObject* object, QAccessible::Text kind) {
    QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(object);
    return shown ? shown->text(kind) : QString();
}

TEST(AccessibleFrame, ControlsAndPanesHaveNames) {
    ShownFrame frame;
    int buttons = 0;
    for (QAction* action : frame->ToolBar().actions()) {
        if (action->isSeparator()) continue;
        QWidget* button = frame->ToolBar().widgetForAction(action);
        const QString name = AccessibleText(button, QAccessible::Name);
        EXPECT_FALSE(name.isEmpty()) << action->data().toInt();
        EXPECT_FALSE(name.contains('&')) << name.toStdString();
        ++buttons;
    }
    EXPECT_EQ(buttons, 12);
    EXPECT_EQ(AccessibleText(&frame->View().Bar(), QAccessible::Name),
              QString::fromUtf8("Übersicht der Unterschiede"));

    const std::string left = test::WriteScratchFile("named-left.txt", test::kThreeBlocksLeft);
    const std::string right = test::WriteScratchFile("named-right.txt", test::kThreeBlocksRight);
    ASSERT_EQ(frame->View().LoadAndCompare(left, right), LoadResult::Ok);
    QApplication::processEvents();
    CComparePane& pane = frame->View().DoublePane().Pane(Side::Right);
    EXPECT_TRUE(AccessibleText(&pane, QAccessible::Name).endsWith("named-right.txt"));
    pane.MoveTo({0, 1}, false);
    EXPECT_EQ(AccessibleText(&pane, QAccessible::Description),
              QString::fromUtf8("geändert, Zeile 2"));
}

TEST(AccessibleFrame, NextDifferenceSaysWhichBlockItReached) {
    ShownFrame frame;
    const std::string left = test::WriteScratchFile("jump-left.txt", test::kThreeBlocksLeft);
    const std::string right = test::WriteScratchFile("jump-right.txt", test::kThreeBlocksRight);
    ASSERT_EQ(frame->View().LoadAndCompare(left, right), LoadResult::Ok);
    QApplication::processEvents();
    QToolButton* next = nullptr;
    for (QAction* action : frame->ToolBar().actions()) {
        if (action->data().toInt() == kCmdNextBlock)
            next = qobject_cast<QToolButton*>(frame->ToolBar().widgetForAction(action));
    }
    ASSERT_NE(next, nullptr);
    next->click();
    EXPECT_EQ(frame->PromptPane().text(), "Unterschied 1 von 3, Zeile 2");
    next->click();
    EXPECT_EQ(frame->PromptPane().text(), "Unterschied 2 von 3, Zeile 4");
    EXPECT_EQ(AccessibleText(&frame->PromptPane(), QAccessible::Description),
              "Unterschied 2 von 3, Zeile 4");
}

} // namespace
} // namespace varnex
