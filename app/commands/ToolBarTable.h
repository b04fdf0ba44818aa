// The toolbar's buttons from left to right, with the icon each one shows.
#pragma once

#include <vector>

namespace varnex {

struct ToolButtonEntry {
    int id;           // command id; kToolSeparator for a separator
    const char* icon; // resource path of the button's image
};

inline constexpr int kToolSeparator = 0;

const std::vector<ToolButtonEntry>& MainToolBarTable();

// The toolbar image of command `id`, or null when it has no button.
const char* ToolBarIconOf(int id);

} // namespace varnex
