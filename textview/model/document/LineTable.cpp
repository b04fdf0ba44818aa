// The pane's ordered table of line records with its capacity rule.
#include "textview/model/document/LineTable.h"

#include <algorithm>
#include <utility>

namespace varnex {

namespace {

constexpr int kCapacityStep = 512;
// Tables of this many lines or more never shrink.
constexpr int kShrinkLimit = 4096;

} // namespace

LineTable::LineTable() : lines_(std::make_unique<TextLinePtr[]>(kInitialCapacity)) {}

void LineTable::AdjustCapacity() {
    int capacity = capacity_;
    if (count_ >= capacity_) {
        capacity = capacity_ * 3 / 2 + kCapacityStep;
    } else if (count_ < capacity_ / 2 && count_ < kShrinkLimit) {
        capacity = capacity_ / 2 + kCapacityStep;
    }
    if (capacity == capacity_) return;
    auto resized = std::make_unique<TextLinePtr[]>(capacity);
    std::move(lines_.get(), lines_.get() + count_, resized.get());
    lines_ = std::move(resized);
    capacity_ = capacity;
}

void LineTable::Insert(int position, TextLinePtr line) {
    AdjustCapacity();
    position = std::clamp(position, 0, count_);
    std::move_backward(lines_.get() + position, lines_.get() + count_, lines_.get() + count_ + 1);
    lines_[position] = std::move(line);
    ++count_;
}

TextLinePtr LineTable::Replace(int index, TextLinePtr line) {
    std::swap(lines_[index], line);
    return line;
}

void LineTable::Erase(int first, int count) {
    first = std::clamp(first, 0, count_);
    count = std::clamp(count, 0, count_ - first);
    std::move(lines_.get() + first + count, lines_.get() + count_, lines_.get() + first);
    for (int i = count_ - count; i < count_; ++i)
        lines_[i].reset();
    count_ -= count;
    if (count_ == 0) arena_.Release();
}

void LineTable::Clear() {
    while (count_ > 0)
        lines_[--count_].reset();
    arena_.Release();
    AdjustCapacity();
}

} // namespace varnex
