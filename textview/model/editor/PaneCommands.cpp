// The pane's own commands (its context menu, clipboard keys and registers) and the menu's
// entries with the rules that grey them.
#include "textview/model/editor/PaneCommands.h"

#include "textview/model/editor/PaneEditor.h"
#include "textview/model/editor/TextRegisters.h"
#include "textview/model/settings/PaneTexts.h"

namespace varnex {

namespace {

constexpr PaneMenuEntry kSeparator{std::nullopt, {}, false};

std::optional<int> RegisterOf(int id, int first) {
    if (id < first || id >= first + TextRegisters::kCount) return std::nullopt;
    return id - first;
}

} // namespace

std::vector<PaneMenuEntry> PaneMenuEntries(PaneEditor& editor, TextPosition at,
                                           bool clipboardHasText) {
    const bool selected = editor.Caret().HasSelection();
    const bool word = !selected && !editor.CopyWordAt(at, false).Empty();
    const bool editable = !editor.ReadOnly();
    const PaneMenuEntry copy = selected ? PaneMenuEntry{PaneCommandId::Copy, kMenuCopy, true}
                               : word ? PaneMenuEntry{PaneCommandId::CopyWord, kMenuCopyWord, true}
                                      : PaneMenuEntry{PaneCommandId::CopyWord, kMenuCopy, false};
    return {
        {PaneCommandId::Cut, kMenuCut, selected},
        copy,
        {PaneCommandId::Paste, kMenuPaste, editable && clipboardHasText},
        {PaneCommandId::Clear, kMenuClear, selected},
        kSeparator,
        {PaneCommandId::Find, kMenuFind, true},
        {PaneCommandId::Replace, kMenuReplace, editable},
        kSeparator,
        {PaneCommandId::Options, kMenuOptions, true},
    };
}

bool RunPaneCommand(PaneEditor& editor, int id, TextPosition contextPosition) {
    std::optional<int> n = RegisterOf(id, kCopyToRegister);
    if (!n) n = RegisterOf(id, kCopyToRegisterToo);
    if (n) {
        editor.CopySelection(TextSlot::Register(*n));
        return true;
    }
    if (const std::optional<int> source = RegisterOf(id, kInsertRegister)) {
        editor.InsertText(TextSlot::Register(*source));
        return true;
    }
    switch (static_cast<PaneCommandId>(id)) {
    case PaneCommandId::Cut:
        editor.CutSelection();
        return true;
    case PaneCommandId::Copy:
        editor.CopySelection();
        return true;
    case PaneCommandId::CopyWord:
        editor.CopyWordAt(contextPosition, true);
        return true;
    case PaneCommandId::Paste:
        editor.Paste();
        return true;
    case PaneCommandId::Clear:
        editor.DeleteSelection();
        return true;
    case PaneCommandId::SelectAll:
        editor.SelectAll();
        return true;
    case PaneCommandId::Undo:
        editor.Undo();
        return true;
    case PaneCommandId::Redo:
        editor.Redo();
        return true;
    default:
        return false;
    }
}

} // namespace varnex
