// The values under Messages through which one instance hands its file to another.
#pragma once

#include <optional>
#include <string>

namespace varnex {

struct HandoverMessage {
    std::optional<std::string> path;
    std::optional<int> mode;
};

// Done is 0 while a first instance waits in its dialog and 1 once it has handed over.
void WriteHandoverMessage(const std::string& path, int mode, int done);
// 0 when the value is missing.
int ReadHandoverDone();
HandoverMessage ReadHandoverMessage();

} // namespace varnex
