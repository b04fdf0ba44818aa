// The history list of one of the open-files dialog's fields, kept in the program's settings.
#include "app/dialogs/FileHistory.h"

#include "app/dialogs/MostRecentFirst.h"
#include "common/SettingsKey.h"
#include "common/SettingsText.h"

namespace varnex {

FileHistory FileHistory::OfSide(Side side) {
    return FileHistory(side == Side::Left ? "File1" : "File2");
}

std::vector<std::string> FileHistory::Entries() const {
    SettingsKey key;
    if (!key.Open(Hive::CurrentUser, OpenMode::Read)) return {};
    std::vector<std::string> entries = ReadTextList(key, valueName_);
    if (entries.size() > kMaxEntries) entries.resize(kMaxEntries);
    return entries;
}

void FileHistory::Add(const std::string& text) const {
    if (text.empty()) return;
    const std::vector<std::string> entries = MostRecentFirst(Entries(), text, kMaxEntries);
    SettingsKey key;
    if (key.Open(Hive::CurrentUser, OpenMode::Create)) WriteTextList(key, valueName_, entries);
}

} // namespace varnex
