// The search texts used so far, most recent first.
#include "textview/model/search/SearchHistory.h"

#include "textview/model/settings/EditOptions.h"

#include <algorithm>

namespace varnex {

namespace {

std::vector<std::string>& List() {
    static std::vector<std::string> entries;
    return entries;
}

std::string Trimmed(std::string text) {
    if (text.size() > static_cast<std::size_t>(SearchHistory::kMaxTextLength))
        text.resize(static_cast<std::size_t>(SearchHistory::kMaxTextLength));
    return text;
}

} // namespace

const std::vector<std::string>& SearchHistory::Entries() {
    return List();
}

void SearchHistory::Add(const std::string& text) {
    if (text.empty()) return;
    const std::string entry = Trimmed(text);
    std::vector<std::string>& entries = List();
    if (!entries.empty() && entries.front() == entry) return;
    std::erase(entries, entry);
    entries.insert(entries.begin(), entry);
    if (entries.size() > static_cast<std::size_t>(kMaxEntries)) entries.resize(kMaxEntries);
    EditOptions::MarkChanged();
}

void SearchHistory::Restore(std::vector<std::string> entries) {
    std::vector<std::string>& list = List();
    list.clear();
    for (std::string& entry : entries) {
        if (entry.empty()) continue;
        std::string trimmed = Trimmed(std::move(entry));
        if (std::find(list.begin(), list.end(), trimmed) == list.end())
            list.push_back(std::move(trimmed));
        if (list.size() == static_cast<std::size_t>(kMaxEntries)) break;
    }
}

} // namespace varnex
