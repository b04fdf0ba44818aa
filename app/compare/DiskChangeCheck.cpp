// Tells whether a compared file changed on disk since the comparison read it.
#include "app/compare/DiskChangeCheck.h"

#include <sys/stat.h>

namespace varnex {

ContentStamp ContentStamp::Of(const std::string& path) {
    struct stat info {};
    if (path.empty() || ::stat(path.c_str(), &info) != 0) return {};
    return {true, info.st_size, info.st_mtim};
}

bool ContentStamp::operator==(const ContentStamp& other) const {
    return exists == other.exists && size == other.size &&
           modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec;
}

void DiskChangeCheck::Reset(const std::string& first, const std::string& second) {
    paths_ = {first, second};
    for (const Side side : kBothSides)
        stamps_[IndexOf(side)] = ContentStamp::Of(Path(side));
}

DiskChange DiskChangeCheck::Check(Side side) {
    if (Path(side).empty()) return DiskChange::None;
    ContentStamp& known = stamps_[IndexOf(side)];
    const ContentStamp now = ContentStamp::Of(Path(side));
    if (now == known) return DiskChange::None;
    known = now;
    return now.exists ? DiskChange::Changed : DiskChange::Deleted;
}

} // namespace varnex
