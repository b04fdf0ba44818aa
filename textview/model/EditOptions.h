// The editor option word, one value for the whole process, shared by every pane.
#pragma once

#include <cstdint>

namespace varnex {

class EditOptions {
public:
    // Options this layer acts on; the options dialog names the others.
    static constexpr std::uint32_t kLineNumbers = 0x400;
    static constexpr std::uint32_t kWordMarkingAvailable = 0x80000;
    static constexpr std::uint32_t kWordMarkingMode = 0x300000;
    // Set by every change; a pane that closes while it is set saves the options.
    static constexpr std::uint32_t kChanged = 0x80000000u;

    static std::uint32_t Get();
    // Replaces the bits chosen by `mask` and marks the options changed; returns the old word.
    static std::uint32_t Set(std::uint32_t value, std::uint32_t mask);
    // Takes a stored "Flags" word. The changed marker, the two host-owned bits 0x40000 and
    // 0x80000 and, while word marking is unavailable, the marking mode keep their values.
    static void Load(std::uint32_t stored);
    static bool Changed() { return (Get() & kChanged) != 0; }
    static void ClearChanged();
};

} // namespace varnex
