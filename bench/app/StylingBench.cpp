// What syntax colouring costs a comparison on screen: the large generated C pair compared and
// painted once under names that select the C configuration, once under names that select none.
#include "app/compare/VarnexView.h"
#include "bench/app/WidgetBenchMain.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace varnex {
namespace {

namespace fs = std::filesystem;

constexpr int kWindowWidth = 1200;
constexpr int kWindowHeight = 900;

const fs::path& PairFolder() {
    static const fs::path folder = fs::path(VARNEX_BENCH_PAIRS) / "large-close-generated-c-parser";
    return folder;
}

// The pair's files are named "left" and "right"; links named *.c make the same bytes C sources.
const fs::path& LinkFolder() {
    static const fs::path folder = [] {
        const fs::path links = fs::temp_directory_path() / "varnex-styling-bench";
        fs::create_directories(links);
        for (const char* side : {"left", "right"}) {
            const fs::path link = links / (std::string(side) + ".c");
            fs::remove(link);
            fs::create_symlink(fs::absolute(PairFolder() / side), link);
        }
        return links;
    }();
    return folder;
}

void CompareAndPaint(benchmark::State& state, const fs::path& left, const fs::path& right) {
    if (!fs::exists(left)) {
        state.SkipWithError("the file pairs are not beside the checkout");
        return;
    }
    QImage image(kWindowWidth, kWindowHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        CVarnexView view;
        view.resize(kWindowWidth, kWindowHeight);
        if (view.LoadAndCompare(left.string(), right.string()) != LoadResult::Ok) {
            state.SkipWithError("the pair could not be compared");
            return;
        }
        view.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_ComparePairUncoloured(benchmark::State& state) {
    CompareAndPaint(state, PairFolder() / "left", PairFolder() / "right");
}
BENCHMARK(BM_ComparePairUncoloured)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_ComparePairColouredAsC(benchmark::State& state) {
    CompareAndPaint(state, LinkFolder() / "left.c", LinkFolder() / "right.c");
}
BENCHMARK(BM_ComparePairColouredAsC)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace
} // namespace varnex

int main(int argc, char** argv) {
    return RunWidgetBenchmarks(argc, argv);
}
