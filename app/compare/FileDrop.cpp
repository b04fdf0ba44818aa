// What a drop of files on the compare window asks for: which files to compare, or why not.
#include "app/compare/FileDrop.h"

#include "common/FileProbe.h"

#include <algorithm>

namespace varnex {

namespace {

constexpr std::size_t kFilesCompared = 2;

DropDecision Refused(DropRefusal refusal, std::string path = {}) {
    return {refusal, {}, {}, std::move(path)};
}

std::optional<DropDecision> RefusedEntry(const std::vector<DroppedItem>& items) {
    if (items.empty() || std::any_of(items.begin(), items.end(),
                                     [](const DroppedItem& item) { return !item.local; }))
        return Refused(DropRefusal::NotLocal);
    if (items.size() > kFilesCompared) return Refused(DropRefusal::TooManyFiles);
    for (const DroppedItem& item : items) {
        if (!IsRegularFile(item.path)) return Refused(DropRefusal::NotAFile, item.path);
    }
    return std::nullopt;
}

} // namespace

DropDecision DecideDrop(const std::vector<DroppedItem>& items, std::optional<Side> side,
                        const std::string& currentFirst, const std::string& currentSecond) {
    if (auto refused = RefusedEntry(items)) return *refused;
    if (items.size() == kFilesCompared)
        return {DropRefusal::None, items[0].path, items[1].path, {}};
    // A single file needs a side to replace and a file on the other side to compare with.
    const std::string& other = side == Side::Left ? currentSecond : currentFirst;
    if (!side || other.empty()) return Refused(DropRefusal::NeedsTwoFiles);
    if (*side == Side::Left) return {DropRefusal::None, items[0].path, currentSecond, {}};
    return {DropRefusal::None, currentFirst, items[0].path, {}};
}

StringId RefusalText(DropRefusal refusal) {
    switch (refusal) {
    case DropRefusal::NotLocal:
        return kStrDropNotLocal;
    case DropRefusal::NotAFile:
        return kStrDropNotAFile;
    case DropRefusal::TooManyFiles:
        return kStrDropTooManyFiles;
    case DropRefusal::None:
    case DropRefusal::NeedsTwoFiles:
        break;
    }
    return kStrDropNeedsTwoFiles;
}

} // namespace varnex
