// Tells whether a compared file changed on disk since the comparison read it.
#pragma once

#include "engine/Side.h"

#include <sys/types.h>

#include <array>
#include <ctime>
#include <string>

namespace varnex {

enum class DiskChange { None, Changed, Deleted };

// Size and modification time: what a save changes. Renames, permission and owner changes
// leave the content, so they are no change to show.
struct ContentStamp {
    bool exists = false;
    off_t size = 0;
    timespec modified{};

    static ContentStamp Of(const std::string& path);
    bool operator==(const ContentStamp& other) const;
};

class DiskChangeCheck {
public:
    // Takes the files of a new comparison as they are now.
    void Reset(const std::string& first, const std::string& second);
    const std::string& Path(Side side) const { return paths_[IndexOf(side)]; }

    // What happened to the file of `side` since the last Reset or Check; each change is
    // reported once.
    DiskChange Check(Side side);

private:
    std::array<std::string, 2> paths_;
    std::array<ContentStamp, 2> stamps_;
};

} // namespace varnex
