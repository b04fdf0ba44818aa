// What a drop of files on the compare window asks for: which files to compare, or why not.
#pragma once

#include "engine/Side.h"
#include "res/StringId.h"

#include <optional>
#include <string>
#include <vector>

namespace varnex {

// One entry of a dropped list: `local` when it names a file of this machine.
struct DroppedItem {
    bool local = false;
    std::string path;
};

enum class DropRefusal { None, NotLocal, NotAFile, TooManyFiles, NeedsTwoFiles };

struct DropDecision {
    DropRefusal refusal = DropRefusal::None;
    std::string first; // the files to compare, when nothing is refused
    std::string second;
    std::string refusedPath; // the entry that is no regular file
};

// Two files are compared in the order given; one file dropped on the pane of `side`
// replaces that side of the comparison in `current` (left, right). Everything else is
// refused.
DropDecision DecideDrop(const std::vector<DroppedItem>& items, std::optional<Side> side,
                        const std::string& currentFirst, const std::string& currentSecond);

// The status-bar text of a refusal; it holds a "%s" for the refused path with NotAFile.
StringId RefusalText(DropRefusal refusal);

} // namespace varnex
