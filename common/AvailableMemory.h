// How much more memory this process can take before an allocation fails.
#pragma once

#include <cstdint>

namespace varnex {

// What the system has free for new allocations (available memory and free swap), within this
// process's address-space and data limits. Unknown figures count as unlimited.
std::uint64_t AvailableMemory();

} // namespace varnex
