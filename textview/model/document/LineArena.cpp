// Hands out line records from growing blocks.
#include "textview/model/document/LineArena.h"

#include "common/LargeBlock.h"

#include <algorithm>

namespace varnex {

namespace {

constexpr std::size_t kFirstBlock = std::size_t{64} << 10;
constexpr std::size_t kLargestBlock = std::size_t{2} << 20;
// Line records hold pointers and 16-bit fields; nothing in them needs more.
constexpr std::size_t kAlignment = alignof(void*);

// 64 KiB, doubling up to 512 KiB, then whole huge pages: a 1 MiB block would take a huge page of
// its own and leave half of it unused.
std::size_t NextBlockSize(std::size_t previous) {
    if (previous == 0) return kFirstBlock;
    return previous >= kLargestBlock / 4 ? kLargestBlock : previous * 2;
}

} // namespace

void LineArena::FreeBlock::operator()(std::byte* block) const {
    FreeLargeBlock(block);
}

void* LineArena::Allocate(std::size_t bytes) {
    bytes = (bytes + kAlignment - 1) / kAlignment * kAlignment;
    if (bytes > left_) {
        nextBlockSize_ = NextBlockSize(nextBlockSize_);
        const std::size_t size = std::max(nextBlockSize_, bytes);
        blocks_.emplace_back(static_cast<std::byte*>(AllocateLargeBlock(size)));
        free_ = blocks_.back().get();
        left_ = size;
    }
    void* record = free_;
    free_ += bytes;
    left_ -= bytes;
    return record;
}

void LineArena::Release() {
    blocks_.clear();
    nextBlockSize_ = 0;
    free_ = nullptr;
    left_ = 0;
}

} // namespace varnex
