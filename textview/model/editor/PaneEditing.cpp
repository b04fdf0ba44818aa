// Editing in a pane: typed characters, Backspace, Delete, Enter, Tab, block indent, the word at
// a position. Every change goes into the undo ring.
#include "textview/model/editor/PaneEditor.h"

#include "common/Unicode.h"
#include "textview/model/document/PaneModel.h"
#include "textview/model/document/TextColumns.h"
#include "textview/model/document/TextEdit.h"
#include "textview/model/editor/WordJump.h"
#include "textview/model/settings/EditOptions.h"
#include "textview/model/settings/TabWidth.h"

#include <vector>

namespace varnex {

namespace {

// Column after the character that starts at `column` (a caret never stands inside one).
int ColumnAfterCharAt(const TextLine& line, int column, TextEncoding encoding) {
    const int tabWidth = TabWidth::Get();
    const int index = ColumnToIndex(line.Text(), line.Length(), column, tabWidth, encoding);
    const int next = NextCharIndex(line.Text(), line.Length(), index, encoding);
    return IndexToColumn(line.Text(), line.Length(), next, tabWidth, encoding);
}

bool IsEditCode(int code) {
    return code >= ' ' || code == EditCode::kDeleteForward || code == EditCode::kBackspace ||
           code == EditCode::kTab || code == EditCode::kEnter;
}

std::string LineBytes(const TextLine& line) {
    return std::string(reinterpret_cast<const char*>(line.Text()),
                       static_cast<std::size_t>(line.Length()));
}

// `columns` of indent as tabs for every full tab width, then blanks.
std::string IndentText(int columns) {
    const int tabWidth = TabWidth::Get();
    return std::string(static_cast<std::size_t>(columns / tabWidth), '\t') +
           std::string(static_cast<std::size_t>(columns % tabWidth), ' ');
}

// Up to a tab width of leading blanks, and behind fewer blanks a tab, come off the line.
std::string Unindented(const std::string& line) {
    const std::size_t tabWidth = static_cast<std::size_t>(TabWidth::Get());
    std::size_t blanks = 0;
    while (blanks < tabWidth && blanks < line.size() && line[blanks] == ' ')
        ++blanks;
    std::size_t cut = blanks;
    if (blanks < tabWidth && cut < line.size() && line[cut] == '\t') ++cut;
    return line.substr(cut);
}

} // namespace

bool PaneEditor::DeleteSelectionRecorded(bool byReplace) {
    TextPosition start = caret_.SelectionStart();
    TextPosition end = caret_.SelectionEnd();
    if (start.line != end.line && (EditOptions::Get() & EditOptions::kLineSelection)) {
        start.column = 0;
        end = {0, end.column > 0 ? end.line + 1 : end.line};
    }
    const std::string text = TextBetween(document_, start, end);
    if (!DeleteTextRange(document_, start, end)) {
        Beep();
        return false;
    }
    UndoRecord* record = BeginRecord(true);
    const bool caretBefore = (EditOptions::Get() & EditOptions::kInsertBeforeCaret) != 0;
    record->kind = UndoRecord::kDeleted | (byReplace ? UndoRecord::kByReplace : 0) |
                   (caretBefore ? 0 : UndoRecord::kCaretToStart);
    record->start = start;
    record->end = end;
    record->saved = text;
    record->after = start;
    CommitRecord(record);
    caret_.SetCaret(start.column, start.line, CaretMove::kNoWrap);
    group_ = true;
    return true;
}

bool PaneEditor::EditChar(int code, bool recordUndo, bool shift) {
    if (readOnly_) {
        if (code == EditCode::kTab && forwardTab_ && notify_) {
            notify_(PaneNotification::TabForwarded, shift ? 1 : 0);
        } else {
            Beep();
        }
        return false;
    }
    if (!IsEditCode(code) || !Allowed(EditRequest::Step::Edit, caret_.Caret().line)) return false;
    if (caret_.HasSelection()) {
        if (!DeleteSelectionRecorded(false)) return false;
        if (code == EditCode::kBackspace || code == EditCode::kDeleteForward) {
            EnsureCaretVisible();
            return true;
        }
    }
    UndoRecord* record = BeginRecord(recordUndo);
    record->kind = UndoRecord::kCharacter;
    record->code = code;
    if (!ApplyCharacter(code, record)) return false;
    record->after = caret_.Caret();
    CommitRecord(record);
    EnsureCaretVisible();
    return true;
}

bool PaneEditor::ApplyCharacter(int code, UndoRecord* record) {
    record->caret = caret_.Caret();
    if (record->caret.line >= document_.LineCount()) return BeyondLastLine(code, record);
    switch (code) {
    case EditCode::kEnter:
        return Enter(record);
    case EditCode::kBackspace:
        return Backspace(record);
    case EditCode::kDeleteForward:
        return DeleteForward(record);
    default:
        return Type(code, record);
    }
}

// Replaces the text from `from` to `to` by `bytes` and moves the caret behind it; the record
// learns the range the new text covers.
bool PaneEditor::Replace(TextPosition from, TextPosition to, std::string_view bytes,
                         UndoRecord* record) {
    if (from != to) record->saved = TextBetween(document_, from, to);
    if (from != to && !DeleteTextRange(document_, from, to)) {
        Beep();
        return false;
    }
    const std::optional<TextPosition> end =
        bytes.empty() ? std::optional<TextPosition>(from) : InsertTextAt(document_, from, bytes);
    if (!end) {
        if (from != to) InsertTextAt(document_, from, record->saved);
        Beep();
        return false;
    }
    record->start = from;
    record->end = *end;
    caret_.SetCaret(end->column, end->line, CaretMove::kNoWrap);
    return true;
}

// A UTF-8 pane takes a typed code point as its sequence, a Windows-1252 pane as one byte.
std::string PaneEditor::TypedBytes(int code) const {
    if (document_.Encoding() != TextEncoding::Utf8 || code < 0x80)
        return std::string(1, static_cast<char>(code));
    std::string bytes;
    AppendUtf8(bytes, static_cast<char32_t>(code));
    return bytes;
}

// Past the last line: Enter and typing make a new last line, Backspace only moves the caret.
bool PaneEditor::BeyondLastLine(int code, UndoRecord* record) {
    const TextPosition caret = caret_.Caret();
    if (code == EditCode::kDeleteForward) {
        Beep();
        return false;
    }
    if (code == EditCode::kBackspace) {
        if (caret.column == 0 && caret.line == 0) {
            Beep();
        } else {
            caret_.SetCaret(-1, 0, CaretMove::kRelative);
        }
        return false;
    }
    const bool enter = code == EditCode::kEnter;
    const std::string text = enter ? "\n" : TypedBytes(code);
    const TextPosition at = enter ? TextPosition{0, caret.line} : caret;
    const std::optional<TextPosition> end = InsertTextAt(document_, at, text);
    if (!end) {
        Beep();
        return false;
    }
    record->kind |= UndoRecord::kInserted;
    record->start = {0, caret.line};
    record->end = {0, caret.line + 1};
    caret_.SetCaret(end->column, end->line, CaretMove::kNoWrap);
    return true;
}

bool PaneEditor::Enter(UndoRecord* record) {
    const TextPosition caret = caret_.Caret();
    if (document_.LineCount() >= document_.Limits().maxLineCount) {
        Beep();
        return false;
    }
    const TextLine& line = *document_.GetLine(caret.line);
    const TextPosition at{std::min(caret.column, line.Width()), caret.line};
    const std::string indent = caret.column < line.Indent() ? "" : IndentText(line.Indent());
    record->kind |= UndoRecord::kInserted;
    return Replace(at, at, "\n" + indent, record);
}

bool PaneEditor::Backspace(UndoRecord* record) {
    const TextPosition caret = caret_.Caret();
    const TextLine& line = *document_.GetLine(caret.line);
    if (caret.column > line.Width()) {
        caret_.SetCaret(line.Width(), caret.line, 0);
        return false;
    }
    if (caret.column == 0) {
        const TextLine* previous = document_.GetLine(caret.line - 1);
        if (!previous) {
            Beep();
            return false;
        }
        record->kind |= UndoRecord::kDeleted;
        return Replace({previous->Width(), caret.line - 1}, caret, "", record);
    }
    // The character whose cells end at the caret, with the characters without cells after it.
    const int column = FindColumn(line.Text(), line.Length(), caret.column - 1, TabWidth::Get(),
                                  document_.Encoding())
                           .startColumn;
    record->kind |= UndoRecord::kDeleted;
    return Replace({column, caret.line}, caret, "", record);
}

// At or past the line's end the next line joins this one at its end.
bool PaneEditor::DeleteForward(UndoRecord* record) {
    const TextPosition caret = caret_.Caret();
    const TextLine& line = *document_.GetLine(caret.line);
    record->kind |= UndoRecord::kDeleted;
    if (caret.column >= line.Width()) {
        if (caret.line + 1 >= document_.LineCount()) {
            Beep();
            return false;
        }
        return Replace({line.Width(), caret.line}, {0, caret.line + 1}, "", record);
    }
    const int next = ColumnAfterCharAt(line, caret.column, document_.Encoding());
    const bool done = Replace(caret, {next, caret.line}, "", record);
    if (done) caret_.SetCaret(caret.column, caret.line, CaretMove::kNoWrap);
    return done;
}

// Inserted at the caret, or in overwrite mode over the character under it. A caret past the
// line's end is reached with tabs and blanks first, which undo takes back too.
bool PaneEditor::Type(int code, UndoRecord* record) {
    const TextPosition caret = caret_.Caret();
    const TextLine& line = *document_.GetLine(caret.line);
    // Inserting replaces the line record: nothing of `line` may be read afterwards.
    const int lineWidth = line.Width();
    const std::string typed = TypedBytes(code);
    record->kind |= UndoRecord::kInserted;
    if (!InsertMode() && caret.column < lineWidth) {
        const int tabWidth = TabWidth::Get();
        const TextEncoding encoding = document_.Encoding();
        const int index =
            ColumnToIndex(line.Text(), line.Length(), caret.column, tabWidth, encoding);
        const int replacedEnd = NextCharIndex(line.Text(), line.Length(), index, encoding);
        const int next = IndexToColumn(line.Text(), line.Length(), replacedEnd, tabWidth, encoding);
        record->kind |= UndoRecord::kOverwrite;
        record->replaced.assign(reinterpret_cast<const char*>(line.Text()) + index,
                                static_cast<std::size_t>(replacedEnd - index));
        return Replace(caret, {next, caret.line}, typed, record);
    }
    const std::optional<TextPosition> end = InsertTextAt(document_, caret, typed);
    if (!end) {
        Beep();
        return false;
    }
    record->start = {std::min(caret.column, lineWidth), caret.line};
    record->end = *end;
    caret_.SetCaret(end->column, end->line, CaretMove::kNoWrap);
    return true;
}

bool PaneEditor::IndentBlock(bool unindent) {
    if (RefuseWhenReadOnly() || caret_.Selection() != SelectionState::AcrossLines) return false;
    const TextPosition start = caret_.SelectionStart();
    const TextPosition end = caret_.SelectionEnd();
    const int first = start.line;
    const int last = std::min(end.column > 0 ? end.line : end.line - 1, document_.LineCount() - 1);
    if (last < first || !Allowed(EditRequest::Step::Edit, first)) return false;
    std::vector<std::string> lines;
    bool changed = false;
    for (int line = first; line <= last; ++line) {
        const std::string text = LineBytes(*document_.GetLine(line));
        lines.push_back(unindent ? Unindented(text) : "\t" + text);
        changed = changed || lines.back() != text;
    }
    if (!changed || !ReplaceLines(first, last, lines)) return false;
    MoveTo({0, first}, false);
    MoveTo({0, last + 1}, true);
    return true;
}

WordAround PaneEditor::CopyWordAt(TextPosition at, bool copy) {
    const TextLine* line = document_.GetLine(at.line);
    if (!line) return {};
    const TextEncoding encoding = document_.Encoding();
    const int index =
        ColumnToIndex(line->Text(), line->Length(), at.column, TabWidth::Get(), encoding);
    const ByteRange word =
        WordTouching(line->Text(), line->Length(), index, EditOptions::Get(), encoding);
    if (word.first == word.last) return {};
    if (copy) {
        platform_.SetClipboardText(
            std::string(reinterpret_cast<const char*>(line->Text()) + word.first,
                        static_cast<std::size_t>(word.last - word.first)));
    }
    return {index - word.first, word.last - index};
}

} // namespace varnex
