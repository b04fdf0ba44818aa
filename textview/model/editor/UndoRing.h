// The pane's undo history: a ring of 128 records, of which the latest 127 can be undone.
#pragma once

#include "textview/model/document/TextPosition.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace varnex {

struct UndoRecord {
    // Kind bits.
    static constexpr std::uint8_t kInserted = 0x01;  // text stands between start and end
    static constexpr std::uint8_t kDeleted = 0x02;   // `saved` was taken out at start
    static constexpr std::uint8_t kCharacter = 0x04; // one key's edit: redone by replaying it
    static constexpr std::uint8_t kOverwrite = 0x08; // typed over `replaced`
    static constexpr std::uint8_t kByReplace = 0x10; // a deletion made by replace
    static constexpr std::uint8_t kCaretToStart = 0x20;
    static constexpr std::uint8_t kCaretToEnd = 0x40;

    std::uint8_t kind = 0;
    bool group = false; // undoing this record goes on into the one before
    TextPosition start;
    TextPosition end;
    TextPosition caret;   // where the caret stood before the edit
    TextPosition after;   // where it stood after
    std::string replaced; // the bytes of the character an overwrite replaced, empty for none
    int code = 0;         // the typed character or edit code
    std::string saved;    // deleted text; inserted text once it was undone
};

class UndoRing {
public:
    static constexpr int kSize = 128;

    bool CanUndo() const { return current_ != oldest_; }
    bool CanRedo() const { return current_ != newest_; }
    // Records that can be undone now.
    int UndoableCount() const { return (current_ - oldest_ + kSize) % kSize; }

    // The slot the next edit fills, emptied; Commit makes it part of the history.
    UndoRecord& Begin();
    // Advances past the record just filled. After an undo, the steps that could have been
    // redone are gone; when the ring is full the oldest step goes.
    void Commit();

    // The record the next undo takes back, or the next redo repeats; null when there is none.
    UndoRecord* Previous();
    UndoRecord* Next();
    void StepBack();
    void StepForward();
    // The record before the one the next undo takes back (for joining runs).
    const UndoRecord* BeforePrevious() const;

    void Clear();

private:
    static int Following(int index) { return (index + 1) % kSize; }
    static int Preceding(int index) { return (index + kSize - 1) % kSize; }

    std::array<UndoRecord, kSize> records_;
    int current_ = 0;
    int newest_ = 0;
    int oldest_ = 0;
};

} // namespace varnex
