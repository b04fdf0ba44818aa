// The toolbar's buttons from left to right, with the icon each one shows.
#include "app/commands/ToolBarTable.h"

#include "res/CommandId.h"

#include <algorithm>

namespace varnex {

const std::vector<ToolButtonEntry>& MainToolBarTable() {
    static const std::vector<ToolButtonEntry> buttons{
        {kCmdOpen, ":/icons/open.svg"},
        {kToolSeparator, nullptr},
        {kCmdCopy, ":/icons/copy.svg"},
        {kToolSeparator, nullptr},
        {kCmdFind, ":/icons/find.svg"},
        {kCmdFindNext, ":/icons/findnext.svg"},
        {kToolSeparator, nullptr},
        {kCmdFirstBlock, ":/icons/first.svg"},
        {kCmdPreviousBlock, ":/icons/previous.svg"},
        {kCmdCurrentBlock, ":/icons/current.svg"},
        {kCmdNextBlock, ":/icons/next.svg"},
        {kCmdLastBlock, ":/icons/last.svg"},
        {kToolSeparator, nullptr},
        {kCmdReload, ":/icons/reload.svg"},
        {kCmdAlwaysOnTop, ":/icons/ontop.svg"},
        {kCmdAbout, ":/icons/about.svg"},
    };
    return buttons;
}

const char* ToolBarIconOf(int id) {
    const std::vector<ToolButtonEntry>& buttons = MainToolBarTable();
    const auto found = std::find_if(buttons.begin(), buttons.end(), [id](const ToolButtonEntry& b) {
        return b.id == id && id != kToolSeparator;
    });
    return found == buttons.end() ? nullptr : found->icon;
}

} // namespace varnex
