// The menu bar's menus and entries, in order: command ids and the string ids of their texts.
#pragma once

#include <vector>

namespace varnex {

struct MenuEntry {
    int id;     // command id; kMenuSeparator for a separator
    int textId; // string id of the entry's text, accelerator text behind a tab
};

struct MenuDefinition {
    int titleId;
    std::vector<MenuEntry> entries;
};

inline constexpr int kMenuSeparator = 0;

const std::vector<MenuDefinition>& MainMenuTable();

} // namespace varnex
