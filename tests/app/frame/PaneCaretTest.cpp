// The compare panes as a user meets them in the window: the caret's status text with the
// file's line numbers, copying and selecting through the frame's commands, read-only panes,
// and the other pane following the caret.
#include "tests/app/frame/FrameTestSupport.h"

#include "app/doublepane/TextDoubleWnd.h"
#include "res/CommandId.h"

#include <QClipboard>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace varnex {
namespace {

using test::ShownFrame;

class PaneCaretTest : public testing::Test {
protected:
    void Compare(const std::string& left, const std::string& right) {
        frame->View().LoadAndCompare(test::WriteScratchFile("caret-left.txt", left),
                                     test::WriteScratchFile("caret-right.txt", right));
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.frame.get()));
    }
    CComparePane& Pane(Side side) { return frame->View().DoublePane().Pane(side); }
    void Key(Side side, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(&Pane(side), key, modifiers);
    }

    ShownFrame frame;
};

TEST_F(PaneCaretTest, TheStatusBarShowsTheFilesLineOfTheFocusedPane) {
    Compare("same\ngone\nend\n", "same\nend\n");
    Pane(Side::Right).setFocus();
    QApplication::processEvents();
    EXPECT_EQ(frame->CaretPane().text(), QStringLiteral(" Zeile: 1  Spalte: 1"));
    EXPECT_EQ(frame->ModePane().text(), QStringLiteral("Einf."));
    Key(Side::Right, Qt::Key_Down);
    EXPECT_EQ(frame->CaretPane().text(), QString()) << "a placeholder row has no line";
    Key(Side::Right, Qt::Key_Down);
    Key(Side::Right, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(frame->CaretPane().text(), QStringLiteral(" Zeile: 2  Spalte: 2 (1)"));
    Pane(Side::Left).setFocus();
    QApplication::processEvents();
    EXPECT_EQ(frame->CaretPane().text(), QStringLiteral(" Zeile: 1  Spalte: 1"))
        << "the other pane shows its own caret as soon as it has the focus";
}

TEST_F(PaneCaretTest, CopyAndSelectAllFollowTheActivePanesSelection) {
    Compare("alpha\nbeta\n", "alpha\nBETA\n");
    Pane(Side::Left).setFocus();
    QApplication::processEvents();
    EXPECT_FALSE(frame->QueryCommand(kCmdCopy).enabled) << "nothing selected";
    EXPECT_TRUE(frame->QueryCommand(kCmdSelectAll).enabled);
    Key(Side::Left, Qt::Key_End, Qt::ShiftModifier);
    frame->UpdateCommandStates();
    EXPECT_TRUE(frame->Actions().Find(kCmdCopy)->isEnabled()) << "the toolbar button follows";
    ASSERT_TRUE(frame->RunCommand(kCmdCopy));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("alpha"));
    ASSERT_TRUE(frame->RunCommand(kCmdSelectAll));
    ASSERT_TRUE(frame->RunCommand(kCmdCopy));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("alpha\nbeta\n"));
}

TEST_F(PaneCaretTest, CopyingAPaneGivesTheFilesOwnText) {
    const std::string left = "one\r\n\r\ntwo\r\nend\r\n";
    const std::string right = "one\nnew\n\nmore\ntwo\n\nend\n";
    Compare(left, right);
    Pane(Side::Left).setFocus();
    Key(Side::Left, Qt::Key_A, Qt::ControlModifier);
    Key(Side::Left, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("one\n\ntwo\nend\n"))
        << "no placeholder rows, no blank in the empty line, line ends as \\n";
    Pane(Side::Right).setFocus();
    ASSERT_TRUE(frame->RunCommand(kCmdSelectAll));
    ASSERT_TRUE(frame->RunCommand(kCmdCopy));
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), right);
}

TEST_F(PaneCaretTest, InsertSwitchesTheModeAndKeepsTheCaretsPosition) {
    Compare("alpha\nbeta\n", "alpha\n");
    Pane(Side::Left).setFocus();
    Key(Side::Left, Qt::Key_Down);
    Key(Side::Left, Qt::Key_Right);
    ASSERT_EQ(frame->CaretPane().text(), QStringLiteral(" Zeile: 2  Spalte: 2"));
    Key(Side::Left, Qt::Key_Insert);
    EXPECT_EQ(frame->ModePane().text(), QStringLiteral("Über."));
    EXPECT_EQ(frame->CaretPane().text(), QStringLiteral(" Zeile: 2  Spalte: 2"));
    Key(Side::Left, Qt::Key_Insert);
    EXPECT_EQ(frame->ModePane().text(), QStringLiteral("Einf."));
    EXPECT_EQ(frame->CaretPane().text(), QStringLiteral(" Zeile: 2  Spalte: 2"));
}

TEST_F(PaneCaretTest, ComparePanesAreReadOnly) {
    Compare("keep\n", "this\n");
    int beeps = 0;
    Pane(Side::Left).SetBeep([&] { ++beeps; });
    Pane(Side::Left).setFocus();
    QTest::keyClick(&Pane(Side::Left), Qt::Key_X);
    QTest::keyClick(&Pane(Side::Left), Qt::Key_Delete);
    EXPECT_EQ(beeps, 2);
    EXPECT_TRUE(Pane(Side::Left).ReadOnly());
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(Pane(Side::Left).GetLine(0)->Text())),
              "keep");
}

TEST_F(PaneCaretTest, TheOtherPaneFollowsWhenTheCaretLeavesTheScreen) {
    std::string text;
    for (int i = 0; i < 200; ++i)
        text += "row " + std::to_string(i) + "\n";
    Compare(text, text);
    Pane(Side::Left).setFocus();
    QTest::keyClick(&Pane(Side::Left), Qt::Key_End, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_GT(Pane(Side::Left).Scroll().firstLine, 100);
    EXPECT_EQ(Pane(Side::Right).Scroll().firstLine, Pane(Side::Left).Scroll().firstLine);
    EXPECT_EQ(frame->View().TopRow(), Pane(Side::Left).Scroll().firstLine);
}

} // namespace
} // namespace varnex
