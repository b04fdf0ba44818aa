// The menu bar's menus and entries, in order: command ids and the string ids of their texts.
#pragma once

#include "res/CommandId.h"
#include "res/StringId.h"

#include <vector>

namespace varnex {

struct MenuEntry {
    CommandId id;    // kCmdSeparator for a separator
    StringId textId; // the entry's text, accelerator text behind a tab
};

struct MenuDefinition {
    StringId titleId;
    std::vector<MenuEntry> entries;
};

const std::vector<MenuDefinition>& MainMenuTable();

// Entries that are one choice of several, drawn as radio entries; each group's commands.
const std::vector<std::vector<CommandId>>& RadioGroups();

} // namespace varnex
