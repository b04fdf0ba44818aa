// Test helper: files with given bytes in the test's scratch folder.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace varnex::test {

inline std::filesystem::path ScratchFolder() {
    const char* scratch = std::getenv("VARNEX_TEST_SCRATCH");
    return scratch ? std::filesystem::path(scratch) : std::filesystem::temp_directory_path();
}

// Writes `bytes` to a file of that name in the scratch folder and returns its path.
inline std::string WriteScratchFile(const std::string& name, const std::string& bytes) {
    const std::filesystem::path path = ScratchFolder() / name;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
}

} // namespace varnex::test
