// The recent-file list: the last nine document paths, kept under "Recent File List".
#pragma once

#include <string>
#include <vector>

namespace varnex {

class RecentFiles {
public:
    static constexpr int kMaxEntries = 9;

    // Reads the stored list (values File1 .. File9).
    RecentFiles();

    // Most recent first.
    const std::vector<std::string>& Entries() const { return entries_; }
    // Puts `path` in front (an equal older entry leaves the list) and stores the list.
    void Add(const std::string& path);

private:
    void Store() const;

    std::vector<std::string> entries_;
};

} // namespace varnex
