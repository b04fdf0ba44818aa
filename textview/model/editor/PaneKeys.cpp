// What the keys do in a pane: the editing-key table first, then the movement keys.
#include "textview/model/editor/PaneKeys.h"

#include "textview/model/document/PaneModel.h"
#include "textview/model/editor/CharClass.h"
#include "textview/model/editor/PaneEditor.h"
#include "textview/model/editor/RepeatPaste.h"
#include "textview/model/editor/WordJump.h"
#include "textview/model/settings/EditOptions.h"

#include <algorithm>

namespace varnex {

namespace {

// Smart Home scrolls back to column 0 when it lands this far left with this many columns shown.
constexpr int kHomeScrollColumn = 8;
constexpr int kHomeScrollMinColumns = 16;

int LineIndent(const PaneModel& document, int line) {
    const TextLine* record = document.GetLine(line);
    return record ? record->Indent() : 0;
}


// Right of the indent or at column 0: to the indent; inside the indent: to column 0.
void SmartHome(PaneEditor& editor, bool extend) {
    const TextPosition caret = editor.Caret().Caret();
    const int indent = LineIndent(editor.Document(), caret.line);
    const int target = caret.column > indent || caret.column == 0 ? indent : 0;
    editor.MoveTo({target, caret.line}, extend);
    const ScrollState& shown = editor.Platform().Scroll();
    const bool movedLeft = target < caret.column;
    if (movedLeft && target <= kHomeScrollColumn && shown.visibleColumns > kHomeScrollMinColumns &&
        shown.firstColumn != 0)
        editor.Platform().ScrollTo(0, shown.firstLine);
}

void WordJumpKey(PaneEditor& editor, bool right, bool extend) {
    const std::uint32_t mask = WordStopMaskFor(EditOptions::Get());
    const TextPosition caret = editor.Caret().Caret();
    if (!right) {
        editor.MoveTo(WordJumpLeft(editor.Document(), caret, mask), extend);
    } else if (const std::optional<TextPosition> target =
                   WordJumpRight(editor.Document(), caret, mask)) {
        editor.MoveTo(*target, extend);
    }
}

int PageLines(const ScrollState& shown) {
    return std::max(1, shown.visibleLines - 1);
}

// Without a caret, or with Ctrl alone: the view moves and the caret stays.
void ScrollOnly(PaneEditor& editor, PaneKey key) {
    const ScrollState& shown = editor.Platform().Scroll();
    int column = shown.firstColumn;
    int line = shown.firstLine;
    switch (key) {
    case PaneKey::PageUp:
        line -= PageLines(shown);
        break;
    case PaneKey::PageDown:
        line += PageLines(shown);
        break;
    case PaneKey::Up:
        --line;
        break;
    case PaneKey::Down:
        ++line;
        break;
    case PaneKey::Left:
        --column;
        break;
    case PaneKey::Right:
        ++column;
        break;
    default:
        return;
    }
    editor.Platform().ScrollTo(std::max(column, 0), std::max(line, 0));
}

void MoveCaretKey(PaneEditor& editor, const KeyPress& press) {
    int flags = CaretMove::kRelative;
    if (press.shift) flags |= CaretMove::kExtend;
    if (press.ctrl) flags |= CaretMove::kCtrl;
    const ScrollState shown = editor.Platform().Scroll();
    switch (press.key) {
    case PaneKey::PageUp:
        editor.Platform().ScrollTo(shown.firstColumn,
                                   std::max(0, shown.firstLine - PageLines(shown)));
        editor.SetCaret(0, -PageLines(shown), flags);
        break;
    case PaneKey::PageDown:
        editor.Platform().ScrollTo(shown.firstColumn, shown.firstLine + PageLines(shown));
        editor.SetCaret(0, PageLines(shown), flags);
        break;
    case PaneKey::Left:
        editor.SetCaret(-1, 0, flags | CaretMove::kSingleStep);
        break;
    case PaneKey::Right:
        editor.SetCaret(1, 0, flags | CaretMove::kSingleStep);
        break;
    case PaneKey::Up:
        editor.SetCaret(0, -1, flags | CaretMove::kSingleStep);
        break;
    case PaneKey::Down:
        editor.SetCaret(0, 1, flags | CaretMove::kSingleStep);
        break;
    default:
        return;
    }
    editor.EnsureCaretVisible();
}

} // namespace

void PaneKeys::PressKey(PaneEditor& editor, const KeyPress& press) {
    ctrlShortcut_ = false;
    if (OnEditKey(editor, press)) return;
    const int times = std::clamp(press.repeat, 1, kMaxKeyRepeat);
    for (int i = 0; i < times; ++i)
        DefaultKey(editor, press);
}

bool PaneKeys::OnEditKey(PaneEditor& editor, const KeyPress& press) {
    const bool ctrlOnly = press.ctrl && !press.alt;
    if (press.key == PaneKey::Character && ctrlOnly) return CtrlCharacter(editor, press);
    if (press.key == PaneKey::Tab && ctrlOnly) return true;
    if (press.key == PaneKey::MacroKey && ctrlOnly && editor.Macros().Of(press.code))
        editor.InsertText(TextSlot::KeyMacro(press.code));
    switch (press.key) {
    case PaneKey::Insert:
        if (press.ctrl) {
            editor.CopySelection();
        } else if (press.shift) {
            editor.Paste();
        } else {
            editor.ToggleInsertMode();
        }
        return true;
    case PaneKey::Delete:
        if (press.shift) {
            editor.CutSelection();
        } else {
            editor.EditChar(EditCode::kDeleteForward, true);
        }
        return true;
    case PaneKey::End:
        if (press.ctrl) return false;
        editor.MoveTo({editor.Document().LineWidth(editor.Caret().Caret().line),
                       editor.Caret().Caret().line},
                      press.shift);
        return true;
    case PaneKey::Home:
        if (press.ctrl) return false;
        SmartHome(editor, press.shift);
        return true;
    case PaneKey::Clear:
        if (!(press.shift || press.ctrl) ||
            editor.Caret().Selection() == SelectionState::AcrossLines)
            return false;
        RepeatPaste(editor, press.shift && press.ctrl);
        return true;
    default:
        return SelectionKey(editor, press);
    }
}

// Ctrl with a digit or letter: its key macro (unless Shift is held), else the clipboard,
// selection and undo shortcuts.
bool PaneKeys::CtrlCharacter(PaneEditor& editor, const KeyPress& press) {
    ctrlShortcut_ = true;
    if (!press.shift && editor.Macros().Of(press.code)) {
        editor.InsertText(TextSlot::KeyMacro(press.code));
        return false;
    }
    switch (press.code) {
    case 'X':
        editor.CutSelection();
        return true;
    case 'C':
        editor.CopySelection();
        return true;
    case 'V':
        editor.Paste();
        return true;
    case 'A':
        editor.SelectAll();
        return true;
    case 'Y':
        editor.Redo();
        return true;
    case 'Z':
        editor.Undo();
        return true;
    default:
        return false;
    }
}

// Arrows with a selection: plain ones end it at its start or end, Ctrl+Left/Right jump words.
bool PaneKeys::SelectionKey(PaneEditor& editor, const KeyPress& press) {
    const bool horizontal = press.key == PaneKey::Left || press.key == PaneKey::Right;
    const bool vertical = press.key == PaneKey::Up || press.key == PaneKey::Down;
    if (horizontal && press.ctrl) {
        WordJumpKey(editor, press.key == PaneKey::Right, press.shift);
        return true;
    }
    const bool plain = !press.shift && !press.ctrl && (vertical || !press.alt);
    if (!(horizontal || vertical) || !plain || !editor.Caret().HasSelection()) return false;
    const bool toStart = press.key == PaneKey::Left || press.key == PaneKey::Up;
    const CaretModel& caret = editor.Caret();
    editor.MoveTo(toStart ? caret.SelectionStart() : caret.SelectionEnd(), false);
    return true;
}

void PaneKeys::DefaultKey(PaneEditor& editor, const KeyPress& press) {
    const bool ctrlAlone = press.ctrl && !press.shift && !press.alt;
    if (press.key == PaneKey::Clear && !press.shift && !press.ctrl && !press.alt) {
        editor.SelectWordAt(editor.Caret().Caret());
    } else if (press.ctrl && press.key == PaneKey::End) {
        editor.MoveTo({0, editor.Document().LineCount()}, press.shift);
    } else if (press.ctrl && press.key == PaneKey::Home) {
        editor.MoveTo({0, 0}, press.shift);
    } else if (editor.CaretEnabled() && !ctrlAlone) {
        MoveCaretKey(editor, press);
    } else {
        ScrollOnly(editor, press.key);
    }
}

// The character hook: Tab indents a selection across lines, DEL counts as Backspace, and the
// control character of a Ctrl shortcut is not typed.
void PaneKeys::TypeCharacter(PaneEditor& editor, char32_t character, bool shift) {
    constexpr char32_t kDel = 127;
    if (character == EditCode::kTab && editor.Caret().Selection() == SelectionState::AcrossLines &&
        !editor.ReadOnly()) {
        editor.IndentBlock(shift);
        return;
    }
    if (character == kDel) character = EditCode::kBackspace;
    if (character < ' ' && ctrlShortcut_) return;
    editor.EditChar(static_cast<int>(character), true, shift);
}

} // namespace varnex
