// The arguments git passes to an external diff (GIT_EXTERNAL_DIFF, diff.external).
#include "cli/GitExternalDiff.h"

namespace varnex {

namespace {

// The counts of git's calls, and where the two files stand in them.
constexpr std::size_t kUnmergedCount = 1;
constexpr std::size_t kChangedCount = 7;
constexpr std::size_t kRenamedCount = 9;
constexpr std::size_t kOldFileAt = 1;
constexpr std::size_t kNewFileAt = 4;
constexpr std::size_t kNewPathAt = 7;

// git hands over /dev/null for the missing side of an added or deleted file.
constexpr const char* kMissingSide = "/dev/null";

// git's own diff names the sides a/PATH and b/PATH.
std::string Label(const std::string& file, const char* prefix, const std::string& path) {
    return file == kMissingSide ? file : prefix + path;
}

} // namespace

std::optional<GitDiffCall> ReadGitDiffCall(const std::vector<std::string>& operands) {
    const std::size_t count = operands.size();
    if (count != kUnmergedCount && count != kChangedCount && count != kRenamedCount) {
        return std::nullopt;
    }
    GitDiffCall call;
    call.path = operands[0];
    call.unmerged = count == kUnmergedCount;
    if (call.unmerged) return call;
    const std::string& newPath = count == kRenamedCount ? operands[kNewPathAt] : call.path;
    call.files = {operands[kOldFileAt], operands[kNewFileAt]};
    call.labels = {Label(call.files[0], "a/", call.path), Label(call.files[1], "b/", newPath)};
    return call;
}

} // namespace varnex
