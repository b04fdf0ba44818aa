// Makes sure the compiled-in icons are registered, also when they come from a static library.
#pragma once

namespace varnex {

void EnsureIconResources();

} // namespace varnex
