// The main window opens within the screen area there is.
#include "app/frame/WindowPlacement.h"
#include "tests/app/frame/FrameTestSupport.h"

#include <QScreen>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <vector>

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
        {"the default window on a scaled 1600x1000 screen",
         {0, 0, 1100, 750},
         {0, 0, 800, 500},
         {0, 0, 784, 460}},
        {"reaching out to the right and below",
         {1000, 700, 800, 600},
         {0, 0, 1600, 1000},
         {784, 360, 800, 600}},
        {"left of a second screen's area",
         {-300, 20, 400, 300},
         {1600, 0, 1280, 1024},
         {1600, 20, 400, 300}},
    };
    for (const FitCase& c : cases)
        EXPECT_EQ(FitToScreen(c.wanted, c.available, frame), c.fitted) << c.what;
    EXPECT_EQ(CentredOnScreen({400, 300}, {0, 0, 1000, 800}, frame), QRect(292, 230, 400, 300));
}

TEST(WindowPlacement, AWindowOpensWhereItWasWithinTheScreenThereIsNow) {
    using Stored = StoredPlacement;
    const struct {
        const char* what;
        std::optional<Stored> stored;
        QRect placed;
    } cases[] = {
        {"nothing stored: centred at the first size", std::nullopt, {142, 55, 1100, 750}},
        {"stored and on screen", Stored{200, 100, 600, 400, false}, {200, 100, 600, 400}},
        {"on a screen now gone", Stored{2000, 100, 600, 400, false}, {784, 100, 600, 400}},
        {"above and left of the screen", Stored{-900, -300, 500, 300, false}, {0, 0, 500, 300}},
        {"larger than the screen now", Stored{10, 10, 2500, 1600, true}, {0, 0, 1384, 860}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PlacementAtStart(c.stored, {1100, 750}, {0, 0, 1400, 900}, {16, 40}), c.placed)
            << c.what;
}

TEST(WindowPlacement, TheFirstMainWindowFitsTheAvailableScreenArea) {
    test::ShownFrame frame;
    const QRect available = frame->screen()->availableGeometry();
    EXPECT_TRUE(available.contains(frame->geometry()))
        << "window " << frame->width() << "x" << frame->height() << " on " << available.width()
        << "x" << available.height();
}

// A second frame in the same hive stands for the next start of the program.
TEST(WindowPlacement, AClosedWindowOpensAgainWhereItWas) {
    test::FreshUserHive hive;
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect moved(available.x() + 30, available.y() + 20, 500, 350);
    {
        CMainFrame frame;
        frame.show();
        frame.setGeometry(moved);
        QApplication::processEvents();
        ASSERT_TRUE(frame.close());
    }
    ASSERT_EQ(ReadWindowPlacement(), (StoredPlacement{moved.x(), moved.y(), 500, 350, false}));
    CMainFrame again;
    EXPECT_EQ(again.geometry(), moved);
    EXPECT_FALSE(again.windowState() & Qt::WindowMaximized);

    ASSERT_TRUE(WriteWindowPlacement({available.right() + 400, moved.y(), 500, 350, true}));
    CMainFrame offScreen;
    EXPECT_TRUE(available.contains(offScreen.geometry()));
    EXPECT_EQ(offScreen.geometry().size(), QSize(500, 350));
    EXPECT_TRUE(offScreen.windowState() & Qt::WindowMaximized);
}

// The window still closes; the user learns that it will not open there next time.
TEST(WindowPlacement, AWindowPlaceTheHiveCannotTakeIsTold) {
    test::FreshUserHive hive;
    const std::filesystem::path folder = std::getenv("TAMSEL_USER_HIVE");
    std::filesystem::create_directories(folder);
    std::vector<test::ShownMessage> messages;
    CMainFrame frame;
    frame.SetMessageBox(
        [&messages](QWidget*, QMessageBox::Icon icon, const QString& caption, const QString& text) {
            messages.push_back({icon, caption, text});
        });
    frame.show();
    EXPECT_TRUE(frame.close());
    std::filesystem::remove_all(folder);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, QMessageBox::Critical);
    EXPECT_TRUE(messages[0].text.contains(QString::fromStdString(folder.string())));
}

} // namespace
} // namespace varnex
