// Searching a 65 000-line pane for a word it does not hold, with each kind of pattern. The
// counter "of_100ms" is one search's time as a share of the 100 ms a search may take.
#include "textview/model/document/PaneModel.h"
#include "textview/model/search/Search.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace varnex {
namespace {

constexpr int kLines = 65000;
constexpr unsigned kMaxLineLength = 4096;
constexpr double kGoalSeconds = 0.1;
constexpr std::string_view kSourceFile = "/large-close-generated-c-parser/left";

// The lines of a large real C file, repeated up to kLines; generated source-like lines when
// the file pairs are not beside the checkout.
std::vector<std::string> SampleLines() {
    std::vector<std::string> lines;
    std::ifstream file(std::string(VARNEX_BENCH_PAIRS) + std::string(kSourceFile));
    for (std::string line; std::getline(file, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    if (lines.empty()) {
        for (int i = 0; i < 1000; ++i)
            lines.push_back("    value_" + std::to_string(i) + " = compute(left[" +
                            std::to_string(i % 97) +
                            "], r\xE4"
                            "chts); // Ma\xDF " +
                            std::string(static_cast<std::size_t>(i % 30), '-'));
    }
    const std::size_t distinct = lines.size();
    for (std::size_t k = 0; lines.size() < kLines; ++k)
        lines.push_back(lines[k % distinct]);
    lines.resize(kLines);
    return lines;
}

const PaneModel& SamplePane() {
    static const PaneModel* pane = [] {
        auto* model = new PaneModel(kMaxLineLength, kLines, 0, "SearchBench");
        for (const std::string& line : SampleLines())
            model->SetLine(reinterpret_cast<const std::uint8_t*>(line.data()), model->LineCount(),
                           static_cast<int>(line.size()), 0);
        return model;
    }();
    return *pane;
}

void SearchMissingWord(benchmark::State& state, std::string_view text, std::uint32_t flags) {
    const PaneModel& pane = SamplePane();
    auto compiled = SearchPattern::Compile(text, flags, TextEncoding::Windows1252, 0);
    if (!std::holds_alternative<SearchPattern>(compiled)) {
        state.SkipWithError("the pattern does not compile");
        return;
    }
    const SearchPattern& pattern = std::get<SearchPattern>(compiled);
    const bool backwards = (flags & SearchFlags::kBackwards) != 0;
    const TextPosition from = backwards ? TextPosition{0, pane.LineCount()} : TextPosition{0, 0};
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const auto hit = FindInDocument(pane, pattern, from, backwards);
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (hit) {
            state.SkipWithError("the missing word was found");
            return;
        }
    }
    state.counters["of_100ms"] =
        benchmark::Counter(seconds / kGoalSeconds, benchmark::Counter::kAvgIterations);
    state.counters["lines"] = pane.LineCount();
}

constexpr std::uint32_t kRegex = SearchFlags::kRegex;
constexpr std::uint32_t kIgnoreCase = SearchFlags::kIgnoreCase;
constexpr std::uint32_t kWholeWords = SearchFlags::kWholeWords;

BENCHMARK_CAPTURE(SearchMissingWord, Plain, "symbol_varnex", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchMissingWord, PlainBackwards, "symbol_varnex", SearchFlags::kBackwards)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchMissingWord, IgnoreCase, "Symbol_Varnex", kIgnoreCase)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchMissingWord, WholeWords, "symbol_varnex", kWholeWords)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchMissingWord, Regex, "sym\\w*_varnex", kRegex)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchMissingWord, RegexIgnoreCase, "SYM\\w*_VARNEX", kRegex | kIgnoreCase)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchMissingWord, RegexWholeWords, "sym\\w*_varnex", kRegex | kWholeWords)
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace varnex

BENCHMARK_MAIN();
