// The pane's pending-repaint word: nothing, one line, or everything, consumed by the next paint.
#pragma once

#include <cstdint>
#include <optional>

namespace varnex {

class PendingRepaint {
public:
    // Marks line `line`; a second mark of any kind widens the word to everything.
    // Returns true when the word changed.
    bool MarkLine(int line);
    bool MarkAll();

    bool IsEmpty() const { return word_ == 0; }
    bool IsAll() const { return word_ == kEverything; }
    // The one pending line, when exactly one is pending.
    std::optional<int> Line() const;
    // Hands the word to the paint and starts over empty.
    PendingRepaint Take();

private:
    // The line number sits in the low 22 bits beside the one-line flag.
    static constexpr std::uint32_t kLineBits = 0x3FFFFF;
    static constexpr std::uint32_t kOneLine = 0x400000;
    static constexpr std::uint32_t kEverything = 0x800000;

    std::uint32_t word_ = 0;
};

} // namespace varnex
