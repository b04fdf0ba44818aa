// The editor option word, one value for the whole process, shared by every pane.
#include "textview/model/settings/EditOptions.h"

namespace varnex {

namespace {

// Bits the host sets for the session; a stored word never overrides them.
constexpr std::uint32_t kHostOwnedBits = 0x40000 | EditOptions::kWordMarkingAvailable;

std::uint32_t currentOptions = 0;

} // namespace

std::uint32_t EditOptions::Get() {
    return currentOptions;
}

std::uint32_t EditOptions::Set(std::uint32_t value, std::uint32_t mask) {
    const std::uint32_t previous = currentOptions;
    currentOptions = (previous & ~mask) | (value & mask) | kChanged;
    return previous;
}

void EditOptions::Load(std::uint32_t stored) {
    std::uint32_t kept = kChanged | kHostOwnedBits;
    if (!(currentOptions & kWordMarkingAvailable)) kept |= kWordMarkingMode;
    currentOptions = (currentOptions & kept) | (stored & ~kept);
}

void EditOptions::SetWordMarkingAvailable(bool available) {
    currentOptions = available ? currentOptions | kWordMarkingAvailable
                               : currentOptions & ~kWordMarkingAvailable;
}

void EditOptions::ClearChanged() {
    currentOptions &= ~kChanged;
}

} // namespace varnex
