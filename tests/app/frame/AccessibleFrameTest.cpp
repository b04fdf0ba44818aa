// The main window as assistive technology meets it: named controls, panes named by their files
// and describing the caret's row, and the difference a jump reached said in the status bar.
#include "tests/app/frame/FrameTestSupport.h"

#include "app/doublepane/TextDoubleWnd.h"
#include "app/overview/OverviewBar.h"
#include "res/CommandId.h"

#include <QAccessible>
#include <QLabel>
#include <QToolBar>

#include <gtest/gtest.h>

namespace varnex {
namespace {

using test::ShownFrame;

QString AccessibleText(QObject* object, QAccessible::Text kind) {
    QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(object);
    return shown ? shown->text(kind) : QString();
}

TEST(AccessibleFrame, ControlsPanesAndJumpsAreToldToAScreenReader) {
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

    // Each jump to the next difference says which block it reached.
    for (const char* said : {"Unterschied 1 von 3, Zeile 2", "Unterschied 2 von 3, Zeile 4"}) {
        ASSERT_TRUE(frame->RunCommand(kCmdNextBlock));
        EXPECT_EQ(frame->PromptPane().text(), said);
        EXPECT_EQ(AccessibleText(&frame->PromptPane(), QAccessible::Description), said);
    }
    pane.MoveTo({0, 1}, false);
    EXPECT_EQ(AccessibleText(&pane, QAccessible::Description),
              QString::fromUtf8("geändert, Zeile 2"));
}

} // namespace
} // namespace varnex
