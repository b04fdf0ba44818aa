// The main window opens within the screen area there is.
#include "app/frame/WindowPlacement.h"
#include "tests/app/frame/FrameTestSupport.h"

#include <QScreen>

#include <gtest/gtest.h>

namespace varnex {
namespace {

struct FitCase {
    const char* what;
    QRect wanted;
    QRect available;
    QRect fitted;
};

TEST(WindowPlacement, AWindowIsShrunkAndMovedIntoTheScreenAreaWithRoomForItsFrame) {
    const QSize frame(16, 40);
    const FitCase cases[] = {
        {"fits as it is", {100, 50, 800, 600}, {0, 0, 1600, 1000}, {100, 50, 800, 600}},
        {"the default window on a scaled 1600x1000 screen", {0, 0, 1100, 750}, {0, 0, 800, 500},
         {0, 0, 784, 460}},
        {"reaching out to the right and below", {1000, 700, 800, 600}, {0, 0, 1600, 1000},
         {784, 360, 800, 600}},
        {"left of a second screen's area", {-300, 20, 400, 300}, {1600, 0, 1280, 1024},
         {1600, 20, 400, 300}},
    };
    for (const FitCase& c : cases)
        EXPECT_EQ(FitToScreen(c.wanted, c.available, frame), c.fitted) << c.what;
    EXPECT_EQ(CentredOnScreen({400, 300}, {0, 0, 1000, 800}, frame), QRect(292, 230, 400, 300));
}

TEST(WindowPlacement, TheFirstMainWindowFitsTheAvailableScreenArea) {
    test::ShownFrame frame;
    const QRect available = frame->screen()->availableGeometry();
    EXPECT_TRUE(available.contains(frame->geometry()))
        << "window " << frame->width() << "x" << frame->height() << " on " << available.width()
        << "x" << available.height();
}

} // namespace
} // namespace varnex
