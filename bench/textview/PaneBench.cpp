// Filling a 65 000-line compare pane and painting one screen of it, each beside a plain baseline.
#include "textview/widgets/AnsiEditView.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

namespace varnex {
namespace {

constexpr int kLines = 65000;
constexpr int kScreenWidth = 1200;
constexpr int kScreenHeight = 900;
// The compare view hands one 8-byte cell per character; the style id is its last byte.
constexpr int kCellStride = 8;
constexpr std::uint8_t kFirstStyleId = 20;
constexpr int kStyleIds = 9;

// Source-like lines of varying length with tabs, and per-character cells whose ids change in runs.
struct SampleText {
    std::vector<std::string> lines;
    std::vector<std::vector<std::uint8_t>> cells;

    SampleText() {
        for (int i = 0; i < kLines; ++i) {
            std::string line = (i % 7 == 0 ? "\t" : "    ") + std::string("value_") +
                               std::to_string(i) + " = compute(left[" + std::to_string(i % 97) +
                               "], right);";
            line += std::string(static_cast<std::size_t>(i % 40), '-');
            lines.push_back(line);
            std::vector<std::uint8_t> row(line.size() * kCellStride, 0);
            for (std::size_t c = 0; c < line.size(); ++c) {
                row[c * kCellStride + kCellStride - 1] = static_cast<std::uint8_t>(
                    kFirstStyleId + (c / 6 + static_cast<std::size_t>(i)) % kStyleIds);
            }
            cells.push_back(std::move(row));
        }
    }
};

const SampleText& Sample() {
    static const SampleText sample;
    return sample;
}

void RegisterStyles(CAnsiEditView& pane) {
    for (int k = 0; k < kStyleIds; ++k) {
        const std::uint32_t background = 0xC0C0C0u + static_cast<std::uint32_t>(k) * 0x080808u;
        pane.AddStyle(0x000000, background, "bench",
                      (kFirstStyleId + k) | StyleTable::kReuseExisting, k % 8);
    }
}

void Fill(CAnsiEditView& pane) {
    const SampleText& sample = Sample();
    pane.Clear();
    for (int i = 0; i < kLines; ++i) {
        const std::string& line = sample.lines[static_cast<std::size_t>(i)];
        const int length = static_cast<int>(line.size());
        pane.SetLine(reinterpret_cast<const std::uint8_t*>(line.data()), i, length, 0);
        pane.SetLineStyles(i, sample.cells[static_cast<std::size_t>(i)].data() + kCellStride - 1,
                           length, 0, kCellStride);
    }
}

void BM_BaselineCopyLines(benchmark::State& state) {
    const SampleText& sample = Sample();
    for (auto _ : state) {
        std::vector<std::string> copy;
        copy.reserve(kLines);
        for (const std::string& line : sample.lines)
            copy.push_back(line);
        benchmark::DoNotOptimize(copy.data());
    }
}
BENCHMARK(BM_BaselineCopyLines)->Unit(benchmark::kMillisecond);

void BM_FillComparePane(benchmark::State& state) {
    CAnsiEditView pane(2048, 65535, CAnsiEditView::kPerCharacterStyles, "TextDouble");
    RegisterStyles(pane);
    for (auto _ : state) {
        Fill(pane);
        benchmark::DoNotOptimize(pane.LineCount());
    }
}
BENCHMARK(BM_FillComparePane)->Unit(benchmark::kMillisecond);

// One screen of plain text drawn row by row in one font and colour.
void BM_BaselinePlainScreen(benchmark::State& state) {
    CAnsiEditView pane(2048, 65535, CAnsiEditView::kPerCharacterStyles, "TextDouble");
    QImage image(kScreenWidth, kScreenHeight, QImage::Format_RGB32);
    const int rows = kScreenHeight / pane.CellSize().height() + 1;
    int first = 0;
    for (auto _ : state) {
        QPainter painter(&image);
        painter.fillRect(image.rect(), Qt::white);
        painter.setFont(pane.Fonts().Base());
        for (int row = 0; row < rows; ++row) {
            const std::string& line = Sample().lines[static_cast<std::size_t>(first + row)];
            painter.drawText(0, row * pane.CellSize().height() + pane.Fonts().Ascent(),
                             QString::fromLatin1(line));
        }
        first = (first + rows) % (kLines - rows);
    }
}
BENCHMARK(BM_BaselinePlainScreen)->Unit(benchmark::kMillisecond);

// Scrolls a filled pane by one page and paints the screen it then shows.
void BM_ScrollAndPaintScreen(benchmark::State& state) {
    CAnsiEditView pane(2048, 65535, CAnsiEditView::kPerCharacterStyles, "TextDouble");
    RegisterStyles(pane);
    pane.SetLineNumberWidth(40);
    pane.resize(kScreenWidth, kScreenHeight);
    pane.show();
    Fill(pane);
    QImage image(pane.viewport()->size(), QImage::Format_RGB32);
    int first = 0;
    for (auto _ : state) {
        first = (first + pane.Scroll().fullLines) % (kLines - pane.Scroll().fullLines);
        pane.ScrollTo(0, first);
        pane.viewport()->render(&image);
    }
    pane.SetLineNumberWidth(-1);
}
BENCHMARK(BM_ScrollAndPaintScreen)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace varnex

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
