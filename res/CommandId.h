// Numeric ids of every command: menus, toolbar buttons, shortcuts and context menus carry them.
#pragma once

namespace varnex {

enum CommandId : int {
    kCmdSeparator = 0, // stands for a separator in the menu and toolbar tables
    kCmdOpen = 57601,
    kCmdSave = 57603,
    kCmdPrintSetup = 57605,
    kCmdPrint = 57607,
    kCmdPrintPreview = 57609,
    kCmdCut = 57635,
    kCmdCopy = 57634,
    kCmdPaste = 57637,
    kCmdExit = 57665,
    kCmdAbout = 57664,
    kCmdHelpSyntax = 57670,
    kCmdNextPane = 57680,
    kCmdPreviousPane = 57681,
    kCmdFind = 57636,
    kCmdFindNext = 32771,
    kCmdFindSelected = 40010,
    kCmdSelectAll = 40011,
    kCmdPaneCommand = 32786,
    kCmdFont = 32783,
    kCmdContextHelp = 32813,
    kCmdViewOptions = 40005,
    kCmdToggleViewMode = 40006,
    kCmdToggleBarMode = 40021,
    kCmdColourInfo = 40022,
    kCmdLineWise = 40023,
    kCmdCharWise = 40024,
    kCmdCharWiseNoBlanks = 40025,
    kCmdFirstBlock = 40014,
    kCmdNextBlock = 40015,
    kCmdPreviousBlock = 40017,
    kCmdCurrentBlock = 40018,
    kCmdLastBlock = 40020,
    kCmdReload = 40026,
    kCmdAlwaysOnTop = 40028,
    kCmdFlatToolBar = 32794,
    kCmdToggleToolBar = 59392,
    kCmdToggleStatusBar = 59393,
    kCmdCopyPath = 35078,
    kCmdStartEditor = 35079,
    // How the panes show the files' bytes.
    kCmdEncodingAutomatic = 40040,
    kCmdEncodingWindows1252 = 40041,
    kCmdEncodingUtf8 = 40042,
};

} // namespace varnex
