// Memory for the line records a pane is filled with, freed all at once when the pane is cleared.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

namespace varnex {

// A bump allocator: blocks grow from 64 KiB to 2 MiB (on huge pages), so that a small pane
// stays small and a 65 000-line pane costs a handful of allocations instead of two per line.
// Nothing is freed before Release; the owner releases only when no record lives in it.
class LineArena {
public:
    // `bytes` bytes aligned for a line record (8 bytes), uninitialised.
    void* Allocate(std::size_t bytes);
    // Frees every block.
    void Release();

private:
    struct FreeBlock {
        void operator()(std::byte* block) const;
    };

    std::vector<std::unique_ptr<std::byte[], FreeBlock>> blocks_;
    std::size_t nextBlockSize_ = 0;
    std::byte* free_ = nullptr;
    std::size_t left_ = 0;
};

} // namespace varnex
