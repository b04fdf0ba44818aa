// A pane's caret, selection, clipboard and status: what keys, clicks and commands act on.
#include "textview/model/editor/PaneEditor.h"

#include "textview/model/document/PaneModel.h"
#include "textview/model/document/TextColumns.h"
#include "textview/model/document/TextEdit.h"
#include "textview/model/editor/CopiedText.h"
#include "textview/model/editor/TextRegisters.h"
#include "textview/model/editor/WordJump.h"
#include "textview/model/settings/EditOptions.h"
#include "textview/model/settings/PaneTexts.h"
#include "textview/model/settings/TabWidth.h"

#include <algorithm>

namespace varnex {

namespace {

bool LineSelection() {
    return (EditOptions::Get() & EditOptions::kLineSelection) != 0;
}


} // namespace

PaneEditor::PaneEditor(PaneModel& document, PanePlatform& platform)
    : document_(document), platform_(platform), caret_(document) {
    caret_.SetStatusHook([this] { UpdateStatus(); });
}

void PaneEditor::SetCaretHook(std::function<void()> hook) {
    caretHook_ = std::move(hook);
    caret_.SetMovedHook(caretHook_);
}

TextPosition PaneEditor::MoveTo(TextPosition to, bool extend) {
    const TextPosition before = caret_.Caret();
    caret_.SetCaret(to.column, to.line, extend ? CaretMove::kExtend : 0);
    EnsureCaretVisible();
    return before;
}

void PaneEditor::SelectAll() {
    MoveTo({0, 0}, false);
    MoveTo({0, document_.LineCount()}, true);
}

void PaneEditor::SelectLine(int line) {
    MoveTo({0, line}, false);
    MoveTo({document_.LineWidth(line), line}, true);
}

bool PaneEditor::SelectWordAt(TextPosition cell) {
    const TextLine* line = document_.GetLine(cell.line);
    if (!line) return false;
    const int tabWidth = TabWidth::Get();
    const TextEncoding encoding = document_.Encoding();
    const std::uint8_t* text = line->Text();
    const int length = line->Length();
    const int index = FindColumn(text, length, cell.column, tabWidth, encoding).index;
    const std::optional<ByteRange> word =
        WordUnder(text, length, index, EditOptions::Get(), encoding);
    if (!word) return false;
    MoveTo({IndexToColumn(text, length, word->first, tabWidth, encoding), cell.line}, false);
    MoveTo({IndexToColumn(text, length, word->last, tabWidth, encoding), cell.line}, true);
    return true;
}

bool PaneEditor::InSelection(TextPosition at) const {
    if (!caret_.HasSelection()) return false;
    const TextPosition start = caret_.SelectionStart();
    const TextPosition end = caret_.SelectionEnd();
    if (at.line < start.line || at.line > end.line) return false;
    if (at.line == start.line && at.column < start.column) return false;
    return !(at.line == end.line && at.column > end.column);
}

// The caret's cell must lie within the rows and columns shown completely.
void PaneEditor::EnsureCaretVisible() {
    const ScrollState& shown = platform_.Scroll();
    const TextPosition caret = caret_.Caret();
    int line = shown.firstLine;
    int column = shown.firstColumn;
    if (caret.line < line) line = caret.line;
    if (caret.line >= line + shown.fullLines) line = caret.line - shown.fullLines + 1;
    if (caret.column < column) column = caret.column;
    if (caret.column >= column + shown.fullColumns) column = caret.column - shown.fullColumns + 1;
    if (line != shown.firstLine || column != shown.firstColumn) platform_.ScrollTo(column, line);
}

std::string PaneEditor::SelectedText() const {
    if (!caret_.HasSelection()) return {};
    const TextPosition start = caret_.SelectionStart();
    const TextPosition end = caret_.SelectionEnd();
    if (start.line == end.line) {
        std::string text = CopiedTextBetween(document_, start, end, copiedLineRule_);
        const bool virtualDisplay = (EditOptions::Get() & EditOptions::kVirtualDisplay) != 0;
        if (text.empty() && virtualDisplay)
            text.assign(static_cast<std::size_t>(end.column - start.column), ' ');
        return text;
    }
    return LineSelection() ? LineWiseText(start, end)
                           : CopiedTextBetween(document_, start, end, copiedLineRule_);
}

// Whole lines, each ended by a line break, so that pasting them line-wise keeps them lines.
// A last line reached only at column 0 is not one of them.
std::string PaneEditor::LineWiseText(TextPosition start, TextPosition end) const {
    const int last = end.column > 0 ? end.line : end.line - 1;
    return CopiedWholeLines(document_, start.line, last, copiedLineRule_);
}

int PaneEditor::CopySelection(TextSlot target) {
    const std::string text = SelectedText();
    if (text.empty()) return 0;
    switch (target.kind) {
    case TextSlot::Kind::Clipboard:
        platform_.SetClipboardText(text);
        break;
    case TextSlot::Kind::Register:
        TextRegisters::Set(target.number, text);
        break;
    case TextSlot::Kind::KeyMacro:
        return 0;
    }
    return static_cast<int>(text.size());
}

bool PaneEditor::RefuseWhenReadOnly() {
    if (readOnly_) Beep();
    return readOnly_;
}

bool PaneEditor::Allowed(EditRequest::Step step, int line) {
    return !modifyHook_ || modifyHook_(EditRequest{step, line, group_});
}

// A read-only pane still copies; only the delete is refused, with the beep.
bool PaneEditor::CutSelection(TextSlot target) {
    return CopySelection(target) > 0 && DeleteSelection();
}

bool PaneEditor::DeleteSelection(bool byReplace) {
    if (RefuseWhenReadOnly() || !caret_.HasSelection()) return false;
    if (!Allowed(EditRequest::Step::Edit, caret_.SelectionStart().line)) return false;
    if (!DeleteSelectionRecorded(byReplace)) return false;
    EnsureCaretVisible();
    return true;
}

bool PaneEditor::InsertText(TextSlot source) {
    if (RefuseWhenReadOnly()) return false;
    std::optional<std::string> text;
    switch (source.kind) {
    case TextSlot::Kind::Clipboard:
        text = platform_.ClipboardText();
        break;
    case TextSlot::Kind::Register:
        if (TextRegisters::StoredLength(source.number) >= 2)
            text = TextRegisters::Get(source.number);
        break;
    case TextSlot::Kind::KeyMacro:
        text = macros_.Of(source.number);
        break;
    }
    return text && !text->empty() && InsertBytes(*text);
}

bool PaneEditor::InsertBytes(std::string_view bytes) {
    if (RefuseWhenReadOnly() || bytes.empty()) return false;
    if (!Allowed(EditRequest::Step::Edit, caret_.Caret().line)) return false;
    if (caret_.HasSelection() && !DeleteSelectionRecorded(false)) return false;
    TextPosition at = caret_.Caret();
    if (LineSelection() && bytes.find('\n') != std::string_view::npos) at.column = 0;
    UndoRecord* record = BeginRecord(true);
    const std::optional<TextPosition> end = InsertTextAt(document_, at, bytes);
    if (!end) {
        Beep();
        return false;
    }
    const bool before = (EditOptions::Get() & EditOptions::kInsertBeforeCaret) != 0;
    record->kind =
        UndoRecord::kInserted | (before ? UndoRecord::kCaretToStart : UndoRecord::kCaretToEnd);
    record->start = at;
    record->end = *end;
    CommitRecord(record);
    PlaceCaret(before ? at : *end);
    return true;
}

void PaneEditor::PlaceCaret(TextPosition at) {
    caret_.SetCaret(at.column, at.line, CaretMove::kNoWrap);
    EnsureCaretVisible();
}

bool PaneEditor::LoadKeyMacros(const std::optional<std::string>& name) {
    const std::string root = document_.SettingsPath().value_or(std::string(kDefaultSettingsPath));
    return macros_.Load(name, root);
}

void PaneEditor::Reset() {
    caret_.Reset();
    undo_.Clear();
    group_ = false;
}

bool PaneEditor::SetEditable(bool editable) {
    const bool was = !readOnly_;
    readOnly_ = !editable;
    return was;
}

void PaneEditor::ToggleInsertMode() {
    modeWord_ = (modeWord_ ^ kInsertModeBit) | kCaretBit;
    UpdateStatus();
}

void PaneEditor::SetCaretEnabled(bool enabled) {
    modeWord_ = enabled ? (modeWord_ | kCaretBit) : (modeWord_ & ~kCaretBit);
}

// A pane that gains the focus always publishes, so that the status shows this pane's caret.
void PaneEditor::SetFocus(bool focused) {
    focused_ = focused;
    if (notify_) notify_(focused ? PaneNotification::FocusGained : PaneNotification::FocusLost, 0);
    if (!focused) return;
    publishedKey_.reset();
    UpdateStatus();
}

void PaneEditor::UpdateStatus() {
    if (!focused_ || !statusOutput_) return;
    const StatusQuery query{caret_.Caret(), caret_.Anchor(), caret_.Selection()};
    std::string text;
    std::uint64_t key = 0;
    if (statusHook_) {
        key = statusHook_(query, publishedKey_.value_or(0), text);
    } else {
        key = DefaultStatusKey(query, modeWord_);
        text = DefaultStatusText(query);
    }
    if (publishedKey_ == key) {
        if (publishedInsertMode_ == InsertMode()) return;
        // Only the mode changed: a hook gives no text for an unchanged key, so the caret field
        // keeps what it shows.
        text = publishedText_;
    }
    publishedKey_ = key;
    publishedInsertMode_ = InsertMode();
    publishedText_ = text;
    platform_.PublishStatus(text, std::string(InsertMode() ? kInsertModeText : kOverwriteModeText));
}

} // namespace varnex
