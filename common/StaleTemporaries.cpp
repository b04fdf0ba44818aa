// The temporary files a hive's writers make, and the removal of those whose writer is gone.
#include "common/StaleTemporaries.h"

#include <cerrno>
#include <charconv>
#include <csignal>
#include <filesystem>
#include <optional>
#include <string_view>
#include <unistd.h>

namespace varnex {

namespace {

constexpr std::string_view kTemporaryInfix = ".tmp.";

// The writer's id when `name` is "<targetName>.tmp.<pid>", digits only.
std::optional<pid_t> WriterOf(std::string_view name, std::string_view targetName) {
    const std::string prefix = std::string(targetName) + std::string(kTemporaryInfix);
    if (!name.starts_with(prefix)) return std::nullopt;
    const std::string_view digits = name.substr(prefix.size());
    pid_t writer = 0;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, writer);
    if (digits.empty() || digits.front() == '+' || error != std::errc() || stop != end ||
        writer <= 0) {
        return std::nullopt;
    }
    return writer;
}

// A process that exists but belongs to someone else answers EPERM: it still runs.
bool IsGone(pid_t process) {
    return kill(process, 0) != 0 && errno == ESRCH;
}

} // namespace

std::string TemporaryPath(const std::string& target, pid_t writer) {
    return target + std::string(kTemporaryInfix) + std::to_string(writer);
}

void RemoveStaleTemporaries(const std::string& target) {
    const std::filesystem::path path(target);
    const std::string targetName = path.filename().string();
    std::error_code error;
    std::filesystem::directory_iterator entries(path.parent_path(), error);
    for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
        const std::optional<pid_t> writer =
            WriterOf(entries->path().filename().string(), targetName);
        if (writer && *writer != getpid() && IsGone(*writer)) unlink(entries->path().c_str());
    }
}

} // namespace varnex
