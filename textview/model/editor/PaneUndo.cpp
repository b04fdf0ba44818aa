// Undo and redo in a pane: records into the ring, steps back and forth, runs and groups joined.
#include "textview/model/editor/PaneEditor.h"

#include "textview/model/document/PaneModel.h"
#include "textview/model/document/TextEdit.h"

namespace varnex {

namespace {

// Runs of typed or deleted blanks or word characters undo as one step.
enum class Run { None, TypedBlanks, TypedWord, DeletedBlanks, DeletedWord };

bool IsRunWordByte(int byte) {
    return (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') ||
           (byte >= 'a' && byte <= 'z') || byte == '_' || byte >= 0xC0;
}

Run RunOf(const UndoRecord& record) {
    if (!(record.kind & UndoRecord::kCharacter)) return Run::None;
    if (record.kind & UndoRecord::kInserted) {
        if (record.code == ' ' || record.code == '\t') return Run::TypedBlanks;
        return IsRunWordByte(record.code) ? Run::TypedWord : Run::None;
    }
    if (record.saved.size() != 1) return Run::None;
    const int byte = static_cast<unsigned char>(record.saved[0]);
    if (byte == ' ' || byte == '\t') return Run::DeletedBlanks;
    return IsRunWordByte(byte) ? Run::DeletedWord : Run::None;
}

// `later` goes on where `earlier` left the caret, in the same kind of run.
bool SameRun(const UndoRecord& earlier, const UndoRecord& later) {
    const Run run = RunOf(later);
    return run != Run::None && run == RunOf(earlier) && later.caret == earlier.after;
}

} // namespace

UndoRecord* PaneEditor::BeginRecord(bool recordUndo) {
    UndoRecord* record = recordUndo ? &undo_.Begin() : &scratch_;
    if (!recordUndo) *record = UndoRecord{};
    record->group = group_;
    record->caret = record->after = caret_.Caret();
    return record;
}

void PaneEditor::CommitRecord(UndoRecord* record) {
    group_ = false;
    if (record != &scratch_) undo_.Commit();
}

bool PaneEditor::StepThroughHistory(EditRequest::Step step) {
    if (readOnly_ || step == EditRequest::Step::Edit) return false;
    const bool back = step == EditRequest::Step::Undo;
    bool changed = false;
    while (UndoRecord* record = back ? undo_.Previous() : undo_.Next()) {
        if (!Allowed(step, record->start.line)) break;
        changed = true;
        if (back) {
            UndoStep(*record);
            undo_.StepBack();
            if (!JoinsBack(*record)) break;
        } else {
            RedoStep(*record);
            undo_.StepForward();
            if (!JoinsForward(*record)) break;
        }
    }
    if (changed) EnsureCaretVisible();
    return changed;
}

bool PaneEditor::JoinsBack(const UndoRecord& undone) {
    if (undone.group) return true;
    const UndoRecord* before = undo_.Previous();
    return before && SameRun(*before, undone);
}

bool PaneEditor::JoinsForward(const UndoRecord& redone) {
    const UndoRecord* next = undo_.Next();
    return next && (next->group || SameRun(redone, *next));
}

// Takes the edit back and puts the caret where it stood before it.
void PaneEditor::UndoStep(UndoRecord& record) {
    if (record.kind & UndoRecord::kInserted) {
        if (!(record.kind & UndoRecord::kCharacter))
            record.saved = TextBetween(document_, record.start, record.end);
        DeleteTextRange(document_, record.start, record.end);
        if ((record.kind & UndoRecord::kOverwrite) && !record.replaced.empty())
            InsertTextAt(document_, record.start, record.replaced);
    }
    if (record.kind & UndoRecord::kDeleted) {
        if (const auto end = InsertTextAt(document_, record.start, record.saved)) record.end = *end;
    }
    caret_.SetCaret(record.caret.column, record.caret.line, CaretMove::kNoWrap);
}

// A key's edit is made again as the key made it; other edits from what the record keeps.
void PaneEditor::RedoStep(UndoRecord& record) {
    if (record.kind & UndoRecord::kCharacter) {
        caret_.SetCaret(record.caret.column, record.caret.line, CaretMove::kNoWrap);
        const int mode = modeWord_;
        modeWord_ = (record.kind & UndoRecord::kOverwrite) ? (modeWord_ & ~kInsertModeBit)
                                                           : (modeWord_ | kInsertModeBit);
        UndoRecord replay;
        ApplyCharacter(record.code, &replay);
        modeWord_ = mode;
        return;
    }
    if (record.kind & UndoRecord::kInserted) {
        if (const auto end = InsertTextAt(document_, record.start, record.saved)) record.end = *end;
    } else if (record.kind & UndoRecord::kDeleted) {
        DeleteTextRange(document_, record.start, record.end);
    }
    const bool toStart =
        (record.kind & UndoRecord::kCaretToStart) || !(record.kind & UndoRecord::kCaretToEnd);
    const TextPosition caret = toStart ? record.start : record.end;
    caret_.SetCaret(caret.column, caret.line, CaretMove::kNoWrap);
}

} // namespace varnex
