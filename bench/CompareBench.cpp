// Times LoadAndCompare on generated file pairs in each mode, against GNU diff on the same files.
#include "engine/CompareEngine.h"
#include "engine/RowSink.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <utility>

namespace varnex {
namespace {

namespace fs = std::filesystem;

// A pane that keeps nothing, so only the engine is measured.
class NullSink : public RowSink {
public:
    void Clear() override {}
    void SetReadOnly(bool) override {}
    int StyleCount() const override { return 2; }
    void AddStyle(int, std::uint32_t, std::uint32_t, int) override {}
    void SetLine(int, const std::uint8_t*, int) override {}
    void SetLineStyles(int, const std::uint8_t*, int, int, int) override {}
};

// Source-like lines: mostly distinct statements, with braces and blank lines repeating.
std::string MakeLine(std::mt19937& rng, int number) {
    switch (rng() % 8) {
    case 0:
        return "";
    case 1:
        return "    }";
    case 2:
        return "    {";
    default:
        return "    value_" + std::to_string(number) + " = compute(" +
               std::to_string(rng() % 1000) + ", item[" + std::to_string(rng() % 97) + "]);";
    }
}

std::string MakeFile(int lines, unsigned seed, int editEvery) {
    std::mt19937 rng(seed);
    std::mt19937 edits(seed + 1);
    std::string file;
    for (int n = 0; n < lines; ++n) {
        std::string line = MakeLine(rng, n);
        if (editEvery > 0 && n % editEvery == editEvery / 2) {
            const unsigned kind = edits() % 3;
            if (kind == 0) continue;                    // deleted
            if (kind == 1) line += " // edited";        // changed
            if (kind == 2) file += "    inserted();\n"; // inserted before
        }
        file += line + "\n";
    }
    return file;
}

class BenchFiles {
public:
    BenchFiles() {
        std::string pattern = (fs::temp_directory_path() / "varnex-bench-XXXXXX").string();
        if (mkdtemp(pattern.data())) folder_ = pattern;
    }
    ~BenchFiles() {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    // Paths of the pair with `lines` lines: the second has a few scattered edits, or is an
    // unrelated file when `unrelated` is set.
    std::pair<std::string, std::string> Pair(int lines, bool unrelated) {
        const std::string key = std::to_string(lines) + (unrelated ? "u" : "e");
        const fs::path first = folder_ / (key + "-a.txt");
        const fs::path second = folder_ / (key + "-b.txt");
        if (!fs::exists(first)) {
            constexpr int kEditsPerFile = 8;
            Write(first, MakeFile(lines, 7, 0));
            Write(second,
                  unrelated ? MakeFile(lines, 99, 0) : MakeFile(lines, 7, lines / kEditsPerFile));
        }
        return {first.string(), second.string()};
    }

private:
    static void Write(const fs::path& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    fs::path folder_;
};

BenchFiles& Files() {
    static BenchFiles files;
    return files;
}

void RunEngine(benchmark::State& state, int lines, bool unrelated, CompareMode mode) {
    const auto [first, second] = Files().Pair(lines, unrelated);
    NullSink left;
    NullSink right;
    for (auto _ : state) {
        CompareEngine engine;
        const int result = engine.LoadAndCompare(first, second, mode, nullptr, left, right);
        if (result != kCompareOk) state.SkipWithError("cannot load the generated files");
        benchmark::DoNotOptimize(engine.Rows().Count());
    }
}

void RunDiff(benchmark::State& state, int lines, bool unrelated) {
    const auto [first, second] = Files().Pair(lines, unrelated);
    const std::string command = "diff '" + first + "' '" + second + "' >/dev/null";
    for (auto _ : state) {
        // diff exits with 1 when the files differ; 2 means trouble.
        const int status = std::system(command.c_str());
        if (!WIFEXITED(status) || WEXITSTATUS(status) > 1) state.SkipWithError("diff failed");
    }
}

void BM_LoadAndCompare(benchmark::State& state) {
    RunEngine(state, static_cast<int>(state.range(0)), false,
              static_cast<CompareMode>(state.range(1)));
}
BENCHMARK(BM_LoadAndCompare)
    ->ArgsProduct({{1000, 10000, 65000}, {0, 1, 2}})
    ->ArgNames({"lines", "mode"})
    ->Unit(benchmark::kMillisecond);

void BM_GnuDiff(benchmark::State& state) {
    RunDiff(state, static_cast<int>(state.range(0)), false);
}
BENCHMARK(BM_GnuDiff)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(65000)
    ->ArgName("lines")
    ->Unit(benchmark::kMillisecond);

// Nothing to anchor on: every window scan covers the whole rectangle.
void BM_LoadAndCompareUnrelated(benchmark::State& state) {
    RunEngine(state, static_cast<int>(state.range(0)), true, CompareMode::CharWise);
}
BENCHMARK(BM_LoadAndCompareUnrelated)
    ->Arg(65000)
    ->ArgName("lines")
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

void BM_GnuDiffUnrelated(benchmark::State& state) {
    RunDiff(state, static_cast<int>(state.range(0)), true);
}
BENCHMARK(BM_GnuDiffUnrelated)->Arg(65000)->ArgName("lines")->Unit(benchmark::kMillisecond);

} // namespace
} // namespace varnex

BENCHMARK_MAIN();
