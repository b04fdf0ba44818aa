// The pane's ordered table of line records with its capacity rule.
#pragma once

#include "textview/model/document/LineArena.h"
#include "textview/model/document/TextLine.h"

#include <memory>

namespace varnex {

// The capacity is adjusted before every insertion and after clearing: a full table grows to
// capacity * 3 / 2 + 512; a table less than half full (and below 4096 lines) shrinks to
// capacity / 2 + 512. Small tables thus settle near 1024 entries.
class LineTable {
public:
    static constexpr int kInitialCapacity = 512;

    LineTable();

    int Count() const { return count_; }
    int Capacity() const { return capacity_; }
    TextLine& At(int index) { return *lines_[index]; }
    const TextLine& At(int index) const { return *lines_[index]; }

    // Stores `line` at `position` (clipped to the count), moving the following lines up.
    void Insert(int position, TextLinePtr line);
    // Puts `line` in place of the line at `index` and returns the old one.
    TextLinePtr Replace(int index, TextLinePtr line);
    // Removes `count` lines from `first` on, moving the following lines down.
    void Erase(int first, int count);
    // Removes every line, the last first.
    void Clear();

    // Where records for this table may be made; freed once the table is empty again.
    LineArena& Arena() { return arena_; }

private:
    void AdjustCapacity();

    LineArena arena_; // before lines_, so that the records go first
    std::unique_ptr<TextLinePtr[]> lines_;
    int capacity_ = kInitialCapacity;
    int count_ = 0;
};

} // namespace varnex
