// The values under Messages through which one instance hands its file to another.
#pragma once

#include "engine/CompareMode.h"

#include <optional>
#include <string>

namespace varnex {

struct HandoverMessage {
    std::optional<std::string> path;
    std::optional<CompareMode> mode; // nothing when missing or not a mode
};

// Done is stored as 0 while a first instance waits in its dialog and as 1 once it has handed
// over.
void WriteHandoverMessage(const std::string& path, CompareMode mode, bool done);
// False when the value is missing.
bool ReadHandoverDone();
HandoverMessage ReadHandoverMessage();

} // namespace varnex
