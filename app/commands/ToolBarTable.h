// The toolbar's buttons from left to right, with the icon each one shows.
#pragma once

#include "res/CommandId.h"

#include <vector>

namespace varnex {

struct ToolButtonEntry {
    CommandId id;     // kCmdSeparator for a separator
    const char* icon; // resource path of the button's image
};

const std::vector<ToolButtonEntry>& MainToolBarTable();

// The toolbar image of command `id`, or null when it has no button.
const char* ToolBarIconOf(CommandId id);

} // namespace varnex
