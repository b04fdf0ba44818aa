// The menu bar's menus and entries, in order: command ids and the string ids of their texts.
#include "app/commands/MenuTable.h"

namespace varnex {

namespace {

constexpr MenuEntry kSeparator{kCmdSeparator, StringId{}};

} // namespace

const std::vector<MenuDefinition>& MainMenuTable() {
    static const std::vector<MenuDefinition> menus{
        {kStrMenuFile, {{kCmdOpen, kStrItemOpen}, kSeparator, {kCmdExit, kStrItemExit}}},
        {kStrMenuEdit,
         {{kCmdCopy, kStrItemCopy},
          kSeparator,
          {kCmdFindNext, kStrItemFindNext},
          {kCmdFind, kStrItemFind},
          {kCmdFindSelected, kStrItemFindSelected},
          kSeparator,
          {kCmdSelectAll, kStrItemSelectAll}}},
        {kStrMenuView,
         {{kCmdFont, kStrItemFont},
          {kCmdViewOptions, kStrItemViewOptions},
          {kCmdToggleViewMode, kStrItemSplit},
          {kCmdToggleBarMode, kStrItemBarMode},
          kSeparator,
          {kCmdLineWise, kStrItemLineWise},
          {kCmdCharWise, kStrItemCharWise},
          {kCmdCharWiseNoBlanks, kStrItemNoBlanks},
          kSeparator,
          {kCmdEncodingAutomatic, kStrItemEncodingAutomatic},
          {kCmdEncodingWindows1252, kStrItemEncodingWindows1252},
          {kCmdEncodingUtf8, kStrItemEncodingUtf8},
          kSeparator,
          {kCmdFlatToolBar, kStrItemFlatToolBar},
          {kCmdAlwaysOnTop, kStrItemOnTop},
          {kCmdToggleToolBar, kStrItemToolBar},
          {kCmdToggleStatusBar, kStrItemStatusBar}}},
        {kStrMenuHelp,
         {{kCmdAbout, kStrItemAbout},
          {kCmdHelpSyntax, kStrItemSyntax},
          {kCmdColourInfo, kStrItemColourInfo}}},
    };
    return menus;
}

const std::vector<std::vector<CommandId>>& RadioGroups() {
    static const std::vector<std::vector<CommandId>> groups{
        {kCmdEncodingAutomatic, kCmdEncodingWindows1252, kCmdEncodingUtf8},
    };
    return groups;
}

} // namespace varnex
