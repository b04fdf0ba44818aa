// A compare whose file cannot be opened: result code, and what it keeps and what it resets.
// The sinks are not touched: the host decides what a failed load shows.
#include "engine/CompareEngine.h"
#include "engine/result/ResultDump.h"
#include "tests/engine/support/RecordingSink.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace varnex {
namespace {

namespace fs = std::filesystem;

class FailedLoadTest : public testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::path(std::getenv("VARNEX_TEST_SCRATCH")) / "failed-load";
        fs::create_directories(folder_);
        first_ = Write("first.txt", "a\nb\nc\n");
        second_ = Write("second.txt", "a\nx\nc\ny\n");
        ASSERT_EQ(Compare(first_, second_), LoadResult::Ok);
        ASSERT_GT(engine_.BlockCount(), 0);
        engine_.Navigate(EngineCommandId::FirstBlock);
        engine_.Navigate(EngineCommandId::NextBlock);
        leftBefore_ = left_.lines;
        rightBefore_ = right_.lines;
    }

    std::string Write(const std::string& name, const std::string& text) {
        const fs::path path = folder_ / name;
        std::ofstream(path, std::ios::binary) << text;
        return path.string();
    }

    LoadResult Compare(const std::string& first, const std::string& second) {
        return engine_.LoadAndCompare(first, second, CompareMode::CharWise, nullptr, left_, right_);
    }

    void ExpectStateOfFailedCall(const std::string& first, const std::string& second) {
        EXPECT_EQ(engine_.FirstPath(), first);
        EXPECT_EQ(engine_.SecondPath(), second);
        EXPECT_EQ(engine_.Rows().Count(), 0);
        // Blocks of the texts before would lead into rows that are gone.
        EXPECT_EQ(engine_.BlockCount(), 0);
        EXPECT_EQ(engine_.Navigator().CurrentBlock(), -1);
        for (const EngineCommandId id :
             {EngineCommandId::FirstBlock, EngineCommandId::NextBlock,
              EngineCommandId::PreviousBlock, EngineCommandId::LastBlock})
            EXPECT_FALSE(engine_.QueryCommand(id).enabled);
        EXPECT_EQ(left_.clearCount, 1);
        EXPECT_EQ(right_.clearCount, 1);
        EXPECT_EQ(left_.lines.size(), leftBefore_.size());
        EXPECT_EQ(right_.lines.at(1).text, rightBefore_.at(1).text);
    }

    fs::path folder_;
    std::string first_;
    std::string second_;
    CompareEngine engine_;
    RecordingSink left_;
    RecordingSink right_;
    std::map<int, RecordedLine> leftBefore_;
    std::map<int, RecordedLine> rightBefore_;
};

TEST_F(FailedLoadTest, MissingFirstFileGivesOneLeavesThePanesToTheHostAndNoBlocks) {
    const std::string missing = (folder_ / "missing.txt").string();
    EXPECT_EQ(Compare(missing, second_), LoadResult::FirstFileFailed);
    ExpectStateOfFailedCall(missing, second_);
    EXPECT_TRUE(engine_.QueryCommand(EngineCommandId::Reload).enabled);
}

TEST_F(FailedLoadTest, FolderAsSecondFileGivesTwo) {
    EXPECT_EQ(Compare(first_, folder_.string()), LoadResult::SecondFileFailed);
    ExpectStateOfFailedCall(first_, folder_.string());
}

TEST_F(FailedLoadTest, EmptyPathsFailAndDisableReload) {
    EXPECT_EQ(Compare("", ""), LoadResult::FirstFileFailed);
    ExpectStateOfFailedCall("", "");
    EXPECT_FALSE(engine_.QueryCommand(EngineCommandId::Reload).enabled);
}

TEST_F(FailedLoadTest, RetryAfterTheFileAppearsReplacesEverything) {
    const std::string late = (folder_ / "late.txt").string();
    ASSERT_EQ(Compare(late, second_), LoadResult::FirstFileFailed);
    Write("late.txt", "");
    EXPECT_EQ(Compare(engine_.FirstPath(), engine_.SecondPath()), LoadResult::Ok);
    EXPECT_EQ(engine_.Left().LineCount(), 0);
    EXPECT_EQ(engine_.Rows().Count(), 4);
    EXPECT_EQ(engine_.BlockCount(), 1);
    EXPECT_EQ(engine_.Navigator().CurrentBlock(), -1);
    EXPECT_EQ(left_.clearCount, 2);
}

TEST_F(FailedLoadTest, ACancelledCompareEndsAsAFailedLoadAndAnAdoptedOneAsLoadAndCompare) {
    CancelFlag cancel;
    cancel.Cancel();
    CompareEngine cancelled;
    EXPECT_EQ(cancelled.Prepare(second_, first_, CompareMode::CharWise, nullptr, &cancel),
              LoadResult::Cancelled);
    EXPECT_EQ(cancelled.Left().Length(), 0) << "what it loaded is given back";
    engine_.Adopt(std::move(cancelled));
    ExpectStateOfFailedCall(second_, first_);

    CompareEngine prepared;
    ASSERT_EQ(prepared.Prepare(second_, first_, CompareMode::CharWise, nullptr), LoadResult::Ok);
    engine_.Adopt(std::move(prepared));
    ASSERT_EQ(engine_.Fill(nullptr, left_, right_), LoadResult::Ok);
    CompareEngine direct;
    RecordingSink left;
    RecordingSink right;
    ASSERT_EQ(direct.LoadAndCompare(second_, first_, CompareMode::CharWise, nullptr, left, right),
              LoadResult::Ok);
    EXPECT_EQ(DumpResult(engine_, LoadResult::Ok), DumpResult(direct, LoadResult::Ok));
    EXPECT_EQ(left_.lines.size(), left.lines.size());
}

} // namespace
} // namespace varnex
