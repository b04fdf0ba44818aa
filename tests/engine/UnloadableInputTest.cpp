// Inputs the engine must refuse rather than hang on or die of: pipes and devices, files that need
// more memory than there is, and memory that runs out during a compare.
#include "engine/CompareEngine.h"
#include "tests/engine/support/RecordingSink.h"
#include "tests/support/ScratchFiles.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <fstream>
#include <future>
#include <new>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace varnex {
namespace {

using namespace std::chrono_literals;

class UnloadableInputTest : public testing::Test {
protected:
    LoadResult Compare(const std::string& first, const std::string& second) {
        return engine_.LoadAndCompare(first, second, CompareMode::CharWise, nullptr, left_, right_);
    }

    CompareEngine engine_;
    RecordingSink left_;
    RecordingSink right_;
    const std::string text_ = test::WriteScratchFile("unloadable/text.txt", "a\nb\n");
};

TEST_F(UnloadableInputTest, PipesAndDevicesAreRefusedWithoutReadingThem) {
    const std::string fifo = (test::ScratchFolder() / "unloadable/fifo").string();
    unlink(fifo.c_str());
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    auto compared = std::async(std::launch::async, [&] { return Compare(text_, fifo); });
    if (compared.wait_for(5s) != std::future_status::ready) {
        ADD_FAILURE() << "the compare waits for a writer of the pipe";
        // A writer that closes at once lets the blocked read end.
        close(open(fifo.c_str(), O_WRONLY));
    }
    EXPECT_EQ(compared.get(), LoadResult::SecondFileFailed);
    unlink(fifo.c_str());

    EXPECT_EQ(Compare("/dev/zero", text_), LoadResult::FirstFileFailed);
    EXPECT_EQ(engine_.Left().Length(), 0);
}

// A sink that has no memory left for the rows it is given.
class ExhaustedSink : public RecordingSink {
public:
    void SetLine(int, const std::uint8_t*, int) override { throw std::bad_alloc(); }
};

TEST_F(UnloadableInputTest, MemoryRunningOutDuringACompareFailsItAndGivesTheMemoryBack) {
    const std::string bigger = test::WriteScratchFile("unloadable/bigger.txt", "a\nx\nb\nc\n");
    ExhaustedSink left;
    RecordingSink right;
    LoadResult result = LoadResult::Ok;
    EXPECT_NO_THROW(result = engine_.LoadAndCompare(text_, bigger, CompareMode::LineWise, nullptr,
                                                    left, right));
    EXPECT_EQ(result, LoadResult::SecondFileFailed);
    EXPECT_EQ(engine_.Rows().Count(), 0);
    EXPECT_EQ(engine_.BlockCount(), 0);
    EXPECT_EQ(engine_.Left().Length(), 0);
    EXPECT_TRUE(engine_.Left().cells.Empty());
    EXPECT_EQ(engine_.SecondPath(), bigger);
    EXPECT_TRUE(right.lines.empty());

    // The same engine compares again once there is memory.
    EXPECT_EQ(Compare(text_, bigger), LoadResult::Ok);
    EXPECT_EQ(engine_.BlockCount(), 2);
}

std::uint64_t PeakKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string word;
    std::uint64_t kilobytes = 0;
    while (status >> word)
        if (word == "VmHWM:" && status >> kilobytes) break;
    return kilobytes;
}

TEST_F(UnloadableInputTest, FilesNeedingMoreMemoryThanThereIsAreRefusedBeforeTheyAreRead) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer reserves more address space than any limit allows";
#else
    // 200 MB of holes: cheap on disk, but a compare would need gigabytes.
    const std::string large = test::WriteScratchFile("unloadable/large.txt", "x\n");
    ASSERT_EQ(truncate(large.c_str(), 200 << 20), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The child may take 256 MB more address space than it has.
        std::ifstream statm("/proc/self/statm");
        std::uint64_t pages = 0;
        statm >> pages;
        const rlim_t limit = pages * sysconf(_SC_PAGESIZE) + (rlim_t{256} << 20);
        const rlimit cap{limit, limit};
        setrlimit(RLIMIT_AS, &cap);
        const std::uint64_t peakBefore = PeakKilobytes();
        const bool refused = Compare(text_, large) == LoadResult::SecondFileFailed;
        const bool nothingRead = PeakKilobytes() - peakBefore < 32 * 1024;
        _exit(refused && nothingRead ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "the compare ended the process (signal "
                                   << (WIFSIGNALED(status) ? WTERMSIG(status) : 0) << ")";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "refused too late or not at all";
    std::remove(large.c_str());
#endif
}

} // namespace
} // namespace varnex
