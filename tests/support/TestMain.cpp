// Shared test main: isolates the settings hives in a fresh temporary folder and, for widget tests,
// starts Qt offscreen.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#ifdef VARNEX_TEST_WITH_QT
#include <QApplication>
#endif

namespace {

std::filesystem::path MakeScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "varnex-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        std::perror("mkdtemp");
        std::exit(2);
    }
    return pattern;
}

} // namespace

int main(int argc, char** argv) {
    const std::filesystem::path scratch = MakeScratchFolder();
    // Tests must never read or write the real user's settings.
    setenv("TAMSEL_USER_HIVE", (scratch / "user.reg").c_str(), 1);
    setenv("TAMSEL_MACHINE_HIVE", (scratch / "machine.reg").c_str(), 1);
    setenv("VARNEX_TEST_SCRATCH", scratch.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);

    testing::InitGoogleTest(&argc, argv);
#ifdef VARNEX_TEST_WITH_QT
    QApplication app(argc, argv);
#endif
    const int result = RUN_ALL_TESTS();
    std::error_code ignored;
    std::filesystem::remove_all(scratch, ignored);
    return result;
}
