// The main window's stored settings in the sub-key Settings of the program's key: FlatMode and
// where the window was when it last closed.
#pragma once

#include "common/StoreFailure.h"

#include <optional>

namespace varnex {

// The window's normal (not maximised) client rectangle and whether it was maximised.
struct StoredPlacement {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool maximized = false;

    bool operator==(const StoredPlacement&) const = default;
};

// True (flat) unless the stored value says 0.
bool ReadFlatMode();
void WriteFlatMode(bool flat);

// Nothing when a value is missing or the size is empty: the window then opens as a first one.
std::optional<StoredPlacement> ReadWindowPlacement();
// All five values in one write, so that a later start never sees half of them.
StoreResult WriteWindowPlacement(const StoredPlacement& placement);

} // namespace varnex
