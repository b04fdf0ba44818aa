// Times the real varnex-diff beside GNU diff on every real pair, each writing into a pipe that is
// read and discarded: the whole side-by-side view against `diff -y -W <width>`, and the context
// view against plain `diff`. Each iteration runs all four, so they share the machine's state;
// the counters are the fastest run of each and the ratios of those.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <limits>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kWidth = 160;

// Milliseconds from spawning `arguments` until it exits, its output drained; -1 on trouble.
// Exit status 1 (files differ) is success for both programs.
double TimeDrained(std::vector<std::string> arguments) {
    int channel[2];
    if (pipe(channel) != 0) return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, channel[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, channel[0]);
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    const auto start = Clock::now();
    pid_t child = 0;
    const int spawned = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(channel[1]);
    static char sink[1 << 16];
    while (read(channel[0], sink, sizeof sink) > 0) {
    }
    close(channel[0]);
    int status = 0;
    if (spawned != 0 || waitpid(child, &status, 0) != child) return -1;
    const auto end = Clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) > 1) return -1;
    return std::chrono::duration<double, std::milli>(end - start).count();
}

struct Contender {
    const char* counter;
    std::vector<std::string> arguments;
};

void RunPair(benchmark::State& state, const std::string& left, const std::string& right) {
    const std::string width = std::to_string(kWidth);
    const std::vector<Contender> contenders = {
        {"varnex_whole_ms", {VARNEX_DIFF, "--color=never", left, right}},
        {"diff_y_ms", {"diff", "-y", "-W", width, left, right}},
        {"varnex_U3_ms", {VARNEX_DIFF, "--color=never", "-U", "3", left, right}},
        {"diff_ms", {"diff", left, right}},
    };
    std::vector<double> fastest(contenders.size(), std::numeric_limits<double>::max());
    for (auto _ : state) {
        double total = 0;
        for (std::size_t k = 0; k < contenders.size(); ++k) {
            const double ms = TimeDrained(contenders[k].arguments);
            if (ms < 0) state.SkipWithError(contenders[k].counter);
            fastest[k] = std::min(fastest[k], ms);
            total += ms;
        }
        state.SetIterationTime(total / 1000.0);
    }
    for (std::size_t k = 0; k < contenders.size(); ++k)
        state.counters[contenders[k].counter] = fastest[k];
    state.counters["whole_ratio"] = fastest[0] / fastest[1];
    state.counters["context_ratio"] = fastest[2] / fastest[3];
}

void RegisterPairs() {
    const fs::path pairs = VARNEX_BENCH_PAIRS;
    std::vector<fs::path> folders;
    for (const auto& entry : fs::directory_iterator(pairs, fs::directory_options::skip_permission_denied))
        if (fs::exists(entry.path() / "left") && fs::exists(entry.path() / "right"))
            folders.push_back(entry.path());
    std::sort(folders.begin(), folders.end());
    for (const fs::path& folder : folders) {
        benchmark::RegisterBenchmark(("BM_Console/" + folder.filename().string()).c_str(),
                                     RunPair, (folder / "left").string(),
                                     (folder / "right").string())
            ->Unit(benchmark::kMillisecond)
            ->UseManualTime()
            ->Iterations(10);
    }
}

} // namespace

int main(int argc, char** argv) {
    // The console tool reads its width from COLUMNS when it writes into a pipe.
    setenv("COLUMNS", std::to_string(kWidth).c_str(), 1);
    RegisterPairs();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
