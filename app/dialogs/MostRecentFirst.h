// The ordering of the history lists: the newest entry first, no duplicates, a bounded length.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

namespace varnex {

// `entries` with `text` in front and without another copy of it, at most `maxEntries` long.
inline std::vector<std::string> MostRecentFirst(std::vector<std::string> entries,
                                                const std::string& text, std::size_t maxEntries) {
    entries.erase(std::remove(entries.begin(), entries.end(), text), entries.end());
    entries.insert(entries.begin(), text);
    if (entries.size() > maxEntries) entries.resize(maxEntries);
    return entries;
}

} // namespace varnex
