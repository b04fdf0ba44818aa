// The compare view on screen with the large generated C pair: Reload (F5) until the panes are
// repainted, and scrolling the comparison a page at a time, each step until it is repainted.
#include "app/compare/VarnexView.h"
#include "app/doublepane/ComparePane.h"
#include "app/doublepane/TextDoubleWnd.h"
#include "bench/app/WidgetBenchMain.h"

#include <QApplication>
#include <QScrollBar>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace varnex {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kWindowWidth = 1200;
constexpr int kWindowHeight = 900;

// A shown view holding the pair's comparison, made once for all benchmarks; null without the
// pairs.
CVarnexView* ShownView() {
    static const std::unique_ptr<CVarnexView> view = []() -> std::unique_ptr<CVarnexView> {
        const fs::path folder = fs::path(VARNEX_BENCH_PAIRS) / "large-close-generated-c-parser";
        if (!fs::exists(folder / "left")) return nullptr;
        auto shown = std::make_unique<CVarnexView>();
        shown->resize(kWindowWidth, kWindowHeight);
        shown->show();
        if (shown->LoadAndCompare((folder / "left").string(), (folder / "right").string()) !=
            LoadResult::Ok)
            return nullptr;
        QApplication::processEvents();
        return shown;
    }();
    return view.get();
}

// Runs `step`, then lets the event loop paint what it invalidated; returns the milliseconds.
template <typename Step> double TimeUntilPainted(Step step) {
    const auto start = Clock::now();
    step();
    QApplication::processEvents();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void BM_ReloadUntilRepainted(benchmark::State& state) {
    CVarnexView* view = ShownView();
    if (!view) {
        state.SkipWithError("the large pair is not beside the checkout");
        return;
    }
    double slowest = 0;
    for (auto _ : state) {
        const double time = TimeUntilPainted([view] { view->Reload(); });
        slowest = std::max(slowest, time);
        state.SetIterationTime(time / 1000.0);
    }
    state.counters["slowest_ms"] = slowest;
}
BENCHMARK(BM_ReloadUntilRepainted)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);

// One iteration pages through the first 300 pages of the comparison; every page is one repaint.
void BM_PageDownRepaint(benchmark::State& state) {
    CVarnexView* view = ShownView();
    if (!view) {
        state.SkipWithError("the large pair is not beside the checkout");
        return;
    }
    constexpr int kPages = 300;
    QScrollBar* bar = view->DoublePane().Pane(Side::Left).verticalScrollBar();
    double slowest = 0;
    double total = 0;
    for (auto _ : state) {
        bar->setValue(0);
        QApplication::processEvents();
        double pass = 0;
        for (int page = 0; page < kPages; ++page) {
            const double time =
                TimeUntilPainted([bar] { bar->triggerAction(QAbstractSlider::SliderPageStepAdd); });
            slowest = std::max(slowest, time);
            pass += time;
        }
        total += pass;
        state.SetIterationTime(pass / 1000.0);
    }
    state.counters["mean_page_ms"] = total / (kPages * static_cast<double>(state.iterations()));
    state.counters["slowest_page_ms"] = slowest;
}
BENCHMARK(BM_PageDownRepaint)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

} // namespace
} // namespace varnex

int main(int argc, char** argv) {
    return RunWidgetBenchmarks(argc, argv);
}
