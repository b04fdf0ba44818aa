// Runs the file-pair cases under cases/NAME: each expect.L / .C / .S is the dump in that mode.
#include "engine/CompareEngine.h"
#include "engine/result/ResultDump.h"
#include "tests/engine/support/RecordingSink.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace varnex {
namespace {

namespace fs = std::filesystem;

const fs::path kCasesFolder = fs::path(VARNEX_TEST_DATA_DIR) / "cases";

struct ModeSuffix {
    const char* suffix;
    CompareMode mode;
};

constexpr ModeSuffix kModeSuffixes[] = {{"expect.L", CompareMode::LineWise},
                                        {"expect.C", CompareMode::CharWise},
                                        {"expect.S", CompareMode::CharWiseNoBlanks}};

std::vector<std::string> CaseNames() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(kCasesFolder)) {
        if (entry.is_directory()) names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class CaseFilesTest : public testing::TestWithParam<std::string> {};

TEST_P(CaseFilesTest, DumpMatchesEveryExpectedMode) {
    const fs::path folder = kCasesFolder / GetParam();
    int modesChecked = 0;
    for (const ModeSuffix& entry : kModeSuffixes) {
        const fs::path expected = folder / entry.suffix;
        if (!fs::exists(expected)) continue;
        CompareEngine engine;
        RecordingSink left;
        RecordingSink right;
        const LoadResult result =
            engine.LoadAndCompare((folder / "left").string(), (folder / "right").string(),
                                  entry.mode, nullptr, left, right);
        EXPECT_EQ(DumpResult(engine, result), ReadText(expected)) << entry.suffix;
        ++modesChecked;
    }
    EXPECT_GT(modesChecked, 0) << "no expect file in " << folder;
}

INSTANTIATE_TEST_SUITE_P(Cases, CaseFilesTest, testing::ValuesIn(CaseNames()),
                         [](const testing::TestParamInfo<std::string>& info) {
                             return info.param;
                         });

} // namespace
} // namespace varnex
