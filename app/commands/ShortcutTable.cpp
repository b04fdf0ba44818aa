// The main window's keyboard shortcuts: which key runs which command.
#include "app/commands/ShortcutTable.h"

#include "res/CommandId.h"

namespace varnex {

const std::vector<ShortcutEntry>& MainShortcutTable() {
    static const std::vector<ShortcutEntry> shortcuts{
        {Qt::CTRL | Qt::Key_C, kCmdCopy},
        {Qt::CTRL | Qt::Key_F, kCmdFind},
        {Qt::CTRL | Qt::Key_O, kCmdOpen},
        {Qt::CTRL | Qt::Key_P, kCmdPrint},
        {Qt::CTRL | Qt::Key_S, kCmdSave},
        {Qt::CTRL | Qt::Key_V, kCmdPaste},
        {Qt::SHIFT | Qt::Key_Delete, kCmdCut},
        {QKeyCombination(Qt::Key_Escape), kCmdExit},
        {QKeyCombination(Qt::Key_F10), kCmdContextHelp},
        {QKeyCombination(Qt::Key_F11), kCmdPrintSetup},
        {QKeyCombination(Qt::Key_F12), kCmdPrintPreview},
        {QKeyCombination(Qt::Key_F3), kCmdFindNext},
        {Qt::CTRL | Qt::Key_F3, kCmdFindSelected},
        {Qt::SHIFT | Qt::Key_F3, kCmdFind},
        {QKeyCombination(Qt::Key_F5), kCmdReload},
        {QKeyCombination(Qt::Key_F6), kCmdNextPane},
        {Qt::SHIFT | Qt::Key_F6, kCmdPreviousPane},
        {Qt::SHIFT | Qt::Key_Insert, kCmdPaste},
        // Through the differences without reaching for the mouse.
        {Qt::ALT | Qt::Key_Down, kCmdNextBlock},
        {Qt::ALT | Qt::Key_Up, kCmdPreviousBlock},
        {Qt::ALT | Qt::Key_Home, kCmdFirstBlock},
        {Qt::ALT | Qt::Key_End, kCmdLastBlock},
    };
    return shortcuts;
}

} // namespace varnex
