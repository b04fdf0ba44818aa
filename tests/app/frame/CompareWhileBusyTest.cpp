// A compare as the user meets it in the window: stopped with Esc, nothing else started while it
// runs, the files tried again by Reload.
#include "tests/app/frame/FrameTestSupport.h"

#include "app/doublepane/TextDoubleWnd.h"
#include "res/CommandId.h"

#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace varnex {
namespace {

// Lines that differ all through, so that the compare has something to do.
std::string ManyLines(int count, const std::string& tag) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += tag + " line " + std::to_string(i * 7919 % 10007) + " of the text\n";
    return text;
}

TEST(CompareWhileBusy, EscStopsTheCompareWhichEndsAsAFailedLoadWithoutAMessage) {
    test::StartedApp started({test::WriteScratchFile("busy-a.txt", "a\n"),
                              test::WriteScratchFile("busy-b.txt", "b\n")});
    CMainFrame& frame = started.Frame();
    ASSERT_TRUE(frame.QueryCommand(kCmdReload).enabled);
    const std::string left = test::WriteScratchFile("busy-left.txt", ManyLines(30000, "left"));
    const std::string right = test::WriteScratchFile("busy-right.txt", ManyLines(30000, "right"));
    std::vector<bool> enabledWhileComparing;
    QTimer::singleShot(0, &frame, [&] {
        for (const CommandId id : {kCmdReload, kCmdOpen, kCmdLineWise})
            enabledWhileComparing.push_back(frame.QueryCommand(id).enabled);
        frame.RunCommand(kCmdExit); // Esc
    });
    EXPECT_EQ(frame.View().LoadAndCompare(left, right), LoadResult::Cancelled);
    QApplication::processEvents();
    EXPECT_EQ(enabledWhileComparing, (std::vector<bool>{false, false, false}));
    EXPECT_TRUE(started.messages.empty());
    EXPECT_TRUE(frame.isVisible()) << "Esc stopped the compare, not the program";
    EXPECT_EQ(frame.PromptPane().text(), QStringLiteral("Vergleich abgebrochen"));
    EXPECT_FALSE(frame.BusyPane().isVisible());
    EXPECT_EQ(frame.View().DoublePane().Pane(Side::Left).LineCount(), 0);
    EXPECT_EQ(frame.View().Path(Side::Right), right) << "kept for a reload";

    ASSERT_TRUE(frame.QueryCommand(kCmdReload).enabled);
    ASSERT_TRUE(frame.RunCommand(kCmdReload));
    EXPECT_GT(frame.View().Engine().Rows().Count(), 0);
    EXPECT_EQ(frame.View().DoublePane().Pane(Side::Left).LineCount(),
              frame.View().Engine().Rows().Count());
}

} // namespace
} // namespace varnex
