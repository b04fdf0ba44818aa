// The pane's undo history: a ring of 128 records, of which the latest 127 can be undone.
#include "textview/model/editor/UndoRing.h"

namespace varnex {

UndoRecord& UndoRing::Begin() {
    records_[current_] = UndoRecord{};
    return records_[current_];
}

void UndoRing::Commit() {
    const bool redoPending = current_ != newest_;
    current_ = Following(current_);
    if (redoPending) {
        for (int i = current_; i != newest_; i = Following(i))
            records_[i] = UndoRecord{};
        records_[newest_] = UndoRecord{};
    } else if (current_ == oldest_) {
        records_[oldest_] = UndoRecord{};
        oldest_ = Following(oldest_);
    }
    newest_ = current_;
}

UndoRecord* UndoRing::Previous() {
    return CanUndo() ? &records_[Preceding(current_)] : nullptr;
}

UndoRecord* UndoRing::Next() {
    return CanRedo() ? &records_[current_] : nullptr;
}

void UndoRing::StepBack() {
    if (CanUndo()) current_ = Preceding(current_);
}

void UndoRing::StepForward() {
    if (CanRedo()) current_ = Following(current_);
}

const UndoRecord* UndoRing::BeforePrevious() const {
    if (UndoableCount() < 2) return nullptr;
    return &records_[Preceding(Preceding(current_))];
}

void UndoRing::Clear() {
    records_.fill(UndoRecord{});
    current_ = newest_ = oldest_ = 0;
}

} // namespace varnex
