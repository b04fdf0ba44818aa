// The recent-file list: the last nine document paths, kept under "Recent File List".
#include "app/startup/RecentFiles.h"

#include "app/dialogs/MostRecentFirst.h"
#include "common/SettingsKey.h"
#include "common/SettingsText.h"

#include <optional>

namespace varnex {

namespace {

constexpr std::string_view kRecentFileKey = "Recent File List";

std::string EntryName(int index) {
    return "File" + std::to_string(index + 1);
}

} // namespace

RecentFiles::RecentFiles() {
    SettingsKey key;
    if (!key.Open(Hive::CurrentUser, OpenMode::Read) || !key.OpenSub(kRecentFileKey)) return;
    for (int index = 0; index < kMaxEntries; ++index) {
        const std::optional<std::string> path = ReadText(key, EntryName(index));
        if (path && !path->empty()) entries_.push_back(*path);
    }
}

void RecentFiles::Add(const std::string& path) {
    if (path.empty()) return;
    entries_ = MostRecentFirst(std::move(entries_), path, kMaxEntries);
    Store();
}

void RecentFiles::Store() const {
    SettingsKey key;
    if (!key.Open(Hive::CurrentUser, OpenMode::Create) || !key.OpenSub(kRecentFileKey)) return;
    for (std::size_t index = 0; index < entries_.size(); ++index)
        WriteText(key, EntryName(static_cast<int>(index)), entries_[index]);
}

} // namespace varnex
