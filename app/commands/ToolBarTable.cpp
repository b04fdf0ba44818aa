// The toolbar's buttons from left to right, with the icon each one shows.
#include "app/commands/ToolBarTable.h"

#include <algorithm>

namespace varnex {

const std::vector<ToolButtonEntry>& MainToolBarTable() {
    static const std::vector<ToolButtonEntry> buttons{
        {kCmdOpen, ":/icons/open.svg"},
        {kCmdSeparator, nullptr},
        {kCmdCopy, ":/icons/copy.svg"},
        {kCmdSeparator, nullptr},
        {kCmdFind, ":/icons/find.svg"},
        {kCmdFindNext, ":/icons/findnext.svg"},
        {kCmdSeparator, nullptr},
        {kCmdFirstBlock, ":/icons/first.svg"},
        {kCmdPreviousBlock, ":/icons/previous.svg"},
        {kCmdCurrentBlock, ":/icons/current.svg"},
        {kCmdNextBlock, ":/icons/next.svg"},
        {kCmdLastBlock, ":/icons/last.svg"},
        {kCmdSeparator, nullptr},
        {kCmdReload, ":/icons/reload.svg"},
        {kCmdAlwaysOnTop, ":/icons/ontop.svg"},
        {kCmdAbout, ":/icons/about.svg"},
    };
    return buttons;
}

const char* ToolBarIconOf(CommandId id) {
    const std::vector<ToolButtonEntry>& buttons = MainToolBarTable();
    const auto found = std::find_if(buttons.begin(), buttons.end(), [id](const ToolButtonEntry& b) {
        return b.id == id && id != kCmdSeparator;
    });
    return found == buttons.end() ? nullptr : found->icon;
}

} // namespace varnex
