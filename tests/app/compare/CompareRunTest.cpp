// A compare on a thread of its own: the window goes on answering and painting, a long run is
// announced once, and a cancel ends it.
#include "app/compare/CompareRun.h"

#include <QApplication>
#include <QPaintEvent>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace varnex {
namespace {

class CountingWidget : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

TEST(CompareRun, TheWindowAnswersMeanwhileAndALongRunIsAnnouncedAndCancelled) {
    CountingWidget window;
    window.show();
    QApplication::processEvents();
    const int paintsBefore = window.paints;
    int ticks = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        ++ticks;
        window.update();
    });
    tick.start(10);
    CompareRun run;
    int announced = 0;
    QObject::connect(&run, &CompareRun::LongRunning, [&] {
        ++announced;
        EXPECT_TRUE(run.Running());
        run.Cancel();
    });
    const LoadResult result = run.Run([](const CancelFlag& cancel) {
        while (!cancel.Cancelled())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return LoadResult::Cancelled;
    });
    EXPECT_EQ(result, LoadResult::Cancelled);
    EXPECT_EQ(announced, 1);
    EXPECT_GT(ticks, 5) << "the event loop ran while the work did";
    EXPECT_GT(window.paints, paintsBefore) << "and the window repainted";
    EXPECT_FALSE(run.Running());
}

TEST(CompareRun, AShortRunIsNotAnnouncedAndItsResultComesBack) {
    CompareRun run;
    int announced = 0;
    QObject::connect(&run, &CompareRun::LongRunning, [&] { ++announced; });
    EXPECT_EQ(run.Run([](const CancelFlag&) { return LoadResult::SecondFileFailed; }),
              LoadResult::SecondFileFailed);
    run.Cancel(); // after the end: nothing to stop
    EXPECT_EQ(run.Run([](const CancelFlag& cancel) {
        return cancel.Cancelled() ? LoadResult::Cancelled : LoadResult::Ok;
    }),
              LoadResult::Ok)
        << "every run starts uncancelled";
    EXPECT_EQ(announced, 0);
}

} // namespace
} // namespace varnex
