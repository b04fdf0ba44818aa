// Test helper: points both hives at fresh files of their own for one test and back afterwards.
#pragma once

#include "tests/support/ScratchFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace varnex::test {

class HiveScratch : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = ScratchFolder() / (std::string(info->test_suite_name()) + "." + info->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        savedUser_ = std::getenv("TAMSEL_USER_HIVE");
        savedMachine_ = std::getenv("TAMSEL_MACHINE_HIVE");
        setenv("TAMSEL_USER_HIVE", UserHive().c_str(), 1);
        setenv("TAMSEL_MACHINE_HIVE", MachineHive().c_str(), 1);
    }

    void TearDown() override {
        setenv("TAMSEL_USER_HIVE", savedUser_.c_str(), 1);
        setenv("TAMSEL_MACHINE_HIVE", savedMachine_.c_str(), 1);
    }

    std::string UserHive() const { return (folder_ / "user.reg").string(); }
    std::string MachineHive() const { return (folder_ / "machine.reg").string(); }
    const std::filesystem::path& Folder() const { return folder_; }

    static std::string ReadText(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    static void WriteText(const std::string& path, const std::string& text) {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
    }

private:
    std::filesystem::path folder_;
    std::string savedUser_;
    std::string savedMachine_;
};

} // namespace varnex::test
