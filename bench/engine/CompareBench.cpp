// Times LoadAndCompare on generated file pairs in each mode, against GNU diff on the same files.
#include "engine/CompareEngine.h"
#include "engine/fill/RowSink.h"

#include <benchmark/benchmark.h>

#include <algorithm>
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
    void SetLineStyles(int, const std::uint8_t*, int, RowKind, int) override {}
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

// Nearly all lines are closing braces or blank; one in ten is a distinct statement.
std::string MakeRepetitiveLine(std::mt19937& rng, int number) {
    const unsigned kind = rng() % 20;
    if (kind < 9) return "}";
    if (kind < 18) return "";
    return "call_" + std::to_string(number) + "();";
}

using LineMaker = std::string (*)(std::mt19937&, int);

std::string MakeFile(int lines, unsigned seed, int editEvery, LineMaker makeLine = MakeLine) {
    std::mt19937 rng(seed);
    std::mt19937 edits(seed + 1);
    std::string file;
    for (int n = 0; n < lines; ++n) {
        std::string line = makeLine(rng, n);
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

enum class Shape { Edited, Unrelated, Repetitive };

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
    // unrelated file; repetitive pairs are unrelated files made mostly of braces and blanks.
    std::pair<std::string, std::string> Pair(int lines, Shape shape) {
        const std::string key =
            std::to_string(lines) + "-" + std::to_string(static_cast<int>(shape));
        const fs::path first = folder_ / (key + "-a.txt");
        const fs::path second = folder_ / (key + "-b.txt");
        if (!fs::exists(first)) {
            constexpr int kEditsPerFile = 8;
            const LineMaker maker = shape == Shape::Repetitive ? MakeRepetitiveLine : MakeLine;
            Write(first, MakeFile(lines, 7, 0, maker));
            Write(second, shape == Shape::Edited ? MakeFile(lines, 7, lines / kEditsPerFile)
                                                 : MakeFile(lines, 99, 0, maker));
        }
        return {first.string(), second.string()};
    }

    // The path of `name` in the benchmark's folder.
    std::string Path(const std::string& name) const { return (folder_ / name).string(); }

    // The path of a file named `name` holding `text`, written on first use.
    std::string File(const std::string& name, const std::string& text) {
        const fs::path path = folder_ / name;
        if (!fs::exists(path)) Write(path, text);
        return path.string();
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

void RunEngineOn(benchmark::State& state, const std::string& first, const std::string& second,
                 CompareMode mode) {
    NullSink left;
    NullSink right;
    for (auto _ : state) {
        CompareEngine engine;
        const LoadResult result = engine.LoadAndCompare(first, second, mode, nullptr, left, right);
        if (result != LoadResult::Ok) state.SkipWithError("cannot load the pair");
        benchmark::DoNotOptimize(engine.Rows().Count());
    }
}

void RunDiffOn(benchmark::State& state, const std::string& first, const std::string& second) {
    const std::string command = "diff '" + first + "' '" + second + "' >/dev/null";
    for (auto _ : state) {
        // diff exits with 1 when the files differ; 2 means trouble.
        const int status = std::system(command.c_str());
        if (!WIFEXITED(status) || WEXITSTATUS(status) > 1) state.SkipWithError("diff failed");
    }
}

void RunEngine(benchmark::State& state, int lines, Shape shape, CompareMode mode) {
    const auto [first, second] = Files().Pair(lines, shape);
    RunEngineOn(state, first, second, mode);
}

void RunDiff(benchmark::State& state, int lines, Shape shape) {
    const auto [first, second] = Files().Pair(lines, shape);
    RunDiffOn(state, first, second);
}

void BM_LoadAndCompare(benchmark::State& state) {
    RunEngine(state, static_cast<int>(state.range(0)), Shape::Edited,
              static_cast<CompareMode>(state.range(1)));
}
BENCHMARK(BM_LoadAndCompare)
    ->ArgsProduct({{1000, 10000, 65000}, {0, 1, 2}})
    ->ArgNames({"lines", "mode"})
    ->Unit(benchmark::kMillisecond);

void BM_GnuDiff(benchmark::State& state) {
    RunDiff(state, static_cast<int>(state.range(0)), Shape::Edited);
}
BENCHMARK(BM_GnuDiff)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(65000)
    ->ArgName("lines")
    ->Unit(benchmark::kMillisecond);

// Nothing to anchor on: every window scan covers the whole rectangle.
void BM_LoadAndCompareUnrelated(benchmark::State& state) {
    RunEngine(state, static_cast<int>(state.range(0)), Shape::Unrelated, CompareMode::CharWise);
}
BENCHMARK(BM_LoadAndCompareUnrelated)
    ->Arg(65000)
    ->ArgName("lines")
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

void BM_GnuDiffUnrelated(benchmark::State& state) {
    RunDiff(state, static_cast<int>(state.range(0)), Shape::Unrelated);
}
BENCHMARK(BM_GnuDiffUnrelated)->Arg(65000)->ArgName("lines")->Unit(benchmark::kMillisecond);

// Unrelated files of braces and blank lines: few distinct keys, each with very many positions.
void BM_LoadAndCompareRepetitive(benchmark::State& state) {
    RunEngine(state, static_cast<int>(state.range(0)), Shape::Repetitive, CompareMode::CharWise);
}
BENCHMARK(BM_LoadAndCompareRepetitive)
    ->Arg(65000)
    ->ArgName("lines")
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

void BM_GnuDiffRepetitive(benchmark::State& state) {
    RunDiff(state, static_cast<int>(state.range(0)), Shape::Repetitive);
}
BENCHMARK(BM_GnuDiffRepetitive)->Arg(65000)->ArgName("lines")->Unit(benchmark::kMillisecond);

// The engine in each mode and GNU diff on one pair, as BM_<family>/<name>/mode:N and
// BM_GnuDiff<family>/<name>; wall times, since diff runs as a process of its own.
void RegisterPair(const std::string& family, const std::string& name, const std::string& first,
                  const std::string& second, int iterations = 0) {
    for (const CompareMode mode :
         {CompareMode::LineWise, CompareMode::CharWise, CompareMode::CharWiseNoBlanks}) {
        const std::string label =
            "BM_" + family + "/" + name + "/mode:" + std::to_string(static_cast<int>(mode));
        auto* run = benchmark::RegisterBenchmark(label.c_str(), RunEngineOn, first, second, mode)
                        ->Unit(benchmark::kMillisecond)
                        ->UseRealTime();
        if (iterations > 0) run->Iterations(iterations);
    }
    benchmark::RegisterBenchmark(("BM_GnuDiff" + family + "/" + name).c_str(), RunDiffOn, first,
                                 second)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
}

// Files made of braces in two different rhythms, about 64 000 lines each: every window's first
// and last key have thousands of positions, but only a few contents.
std::string Repeated(const std::string& block, int lines) {
    std::string text;
    const int blockLines = static_cast<int>(std::count(block.begin(), block.end(), '\n'));
    for (int n = 0; n + blockLines <= lines; n += blockLines)
        text += block;
    return text;
}

void RegisterBracePairs() {
    constexpr int kLines = 64000;
    for (const auto& [closing, rhythm] : {std::pair{27, 5}, std::pair{13, 3}, std::pair{40, 7}}) {
        std::string leftBlock = "{\n}}{}\n";
        for (int n = 0; n < closing; ++n)
            leftBlock += "}\n";
        std::string rightBlock;
        for (int n = 0; n < rhythm; ++n)
            rightBlock += "}\n";
        rightBlock += "\n";
        const std::string name = std::to_string(closing) + "-" + std::to_string(rhythm);
        const std::string first =
            Files().File("braces-" + name + "-a.txt", Repeated(leftBlock, kLines));
        const std::string second =
            Files().File("braces-" + name + "-b.txt", Repeated(rightBlock, kLines));
        RegisterPair("BracePair", name, first, second, 1);
    }
}

// Every real pair beside the checkout (a folder holding "left" and "right").
void RegisterRealPairs() {
    const fs::path pairs = VARNEX_BENCH_PAIRS;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(pairs, error)) {
        const std::string first = (entry.path() / "left").string();
        const std::string second = (entry.path() / "right").string();
        if (!fs::is_regular_file(first) || !fs::is_regular_file(second)) continue;
        RegisterPair("Pair", entry.path().filename().string(), first, second);
    }
}

// Unrelated changed blocks of close to 4096 bytes over a small alphabet, written by the shared
// generator beside the real pairs: the slowest known input for the character modes.
void RegisterBlockPairs() {
    const fs::path generator = fs::path(VARNEX_BENCH_PAIRS).parent_path() / "make-block-pairs.py";
    if (!fs::is_regular_file(generator)) return;
    for (const int lines : {10000, 65000}) {
        const std::string name = std::to_string(lines);
        const std::string folder = Files().Path("blocks-" + name);
        const std::string command =
            "python3 '" + generator.string() + "' '" + folder + "' " + name + " >/dev/null";
        if (std::system(command.c_str()) != 0) continue;
        RegisterPair("BlockPair", name, folder + "/left", folder + "/right", lines > 10000 ? 1 : 0);
    }
}

} // namespace
} // namespace varnex

int main(int argc, char** argv) {
    varnex::RegisterRealPairs();
    varnex::RegisterBracePairs();
    varnex::RegisterBlockPairs();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
