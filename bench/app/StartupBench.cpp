// What a comparison adds to the program's start: the real binary is started on two 10-line files
// and on the large generated C pair, each run timed from process start until the main window
// has first been painted (the program reports it through VARNEX_PAINTED_FD).
#include <benchmark/benchmark.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

const fs::path& Scratch() {
    static const fs::path folder = [] {
        const fs::path scratch = fs::temp_directory_path() / "varnex-startup-bench";
        fs::create_directories(scratch);
        fs::permissions(scratch, fs::perms::owner_all, fs::perm_options::replace);
        return scratch;
    }();
    return folder;
}

// Two 10-line files with one changed line: the program's bare start.
std::pair<std::string, std::string> SmallPair() {
    const fs::path left = Scratch() / "small-left.txt";
    const fs::path right = Scratch() / "small-right.txt";
    std::ofstream first(left), second(right);
    for (int n = 0; n < 10; ++n) {
        first << "line " << n << "\n";
        second << "line " << (n == 4 ? 40 : n) << "\n";
    }
    return {left.string(), right.string()};
}

std::pair<std::string, std::string> LargePair() {
    const fs::path folder = fs::path(VARNEX_BENCH_PAIRS) / "large-close-generated-c-parser";
    return {(folder / "left").string(), (folder / "right").string()};
}

std::vector<std::string> ChildEnvironment(int paintedFd) {
    std::vector<std::string> variables;
    for (char** entry = environ; *entry; ++entry)
        variables.emplace_back(*entry);
    const std::string scratch = Scratch().string();
    if (!std::getenv("DISPLAY") && !std::getenv("QT_QPA_PLATFORM"))
        variables.emplace_back("QT_QPA_PLATFORM=offscreen");
    variables.push_back("TAMSEL_USER_HIVE=" + scratch + "/user.reg");
    variables.push_back("TAMSEL_MACHINE_HIVE=" + scratch + "/machine.reg");
    variables.push_back("XDG_RUNTIME_DIR=" + scratch);
    variables.push_back("VARNEX_PAINTED_FD=" + std::to_string(paintedFd));
    return variables;
}

// Milliseconds from spawning the program on the pair until it reports its first paint, or -1.
double TimeToFirstPaint(const std::pair<std::string, std::string>& files) {
    int channel[2];
    if (pipe(channel) != 0) return -1;
    std::vector<std::string> variables = ChildEnvironment(channel[1]);
    std::vector<char*> environment;
    for (auto& variable : variables)
        environment.push_back(variable.data());
    environment.push_back(nullptr);
    std::string program = VARNEX_PROGRAM;
    std::string first = files.first;
    std::string second = files.second;
    char* arguments[] = {program.data(), first.data(), second.data(), nullptr};

    const auto start = Clock::now();
    pid_t child = 0;
    const int spawned =
        posix_spawn(&child, program.c_str(), nullptr, nullptr, arguments, environment.data());
    close(channel[1]);
    char line[16];
    const bool painted = spawned == 0 && read(channel[0], line, sizeof line) > 0;
    const auto end = Clock::now();
    close(channel[0]);
    if (spawned != 0) return -1;
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    if (!painted) return -1;
    return std::chrono::duration<double, std::milli>(end - start).count();
}

// Each iteration starts the program on both pairs, so that both figures share the machine's state.
void BM_StartToFirstPaint(benchmark::State& state) {
    if (!fs::exists(LargePair().first)) {
        state.SkipWithError("the file pairs are not beside the checkout");
        return;
    }
    const auto small = SmallPair();
    const auto large = LargePair();
    double smallTotal = 0;
    double largeTotal = 0;
    for (auto _ : state) {
        const double smallTime = TimeToFirstPaint(small);
        const double largeTime = TimeToFirstPaint(large);
        if (smallTime < 0 || largeTime < 0) {
            state.SkipWithError("the program did not report a painted window");
            return;
        }
        smallTotal += smallTime;
        largeTotal += largeTime;
        state.SetIterationTime((smallTime + largeTime) / 1000.0);
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["small_ms"] = smallTotal / runs;
    state.counters["large_ms"] = largeTotal / runs;
    state.counters["added_ms"] = (largeTotal - smallTotal) / runs;
}
BENCHMARK(BM_StartToFirstPaint)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);

} // namespace

BENCHMARK_MAIN();
