// The short key, derived from a path, that chooses a syntax colouring configuration.
#pragma once

#include <string>

namespace varnex {

// At most this many characters; the configuration names are kept in 32-byte fields.
inline constexpr std::size_t kFileTypeKeyMaxLength = 31;

// ".ext" for a file with an extension (backup suffixes .keep / .save with an optional number
// before them are looked through), otherwise "#" and the first two characters of the name.
std::string FileTypeKey(const std::string& path);

} // namespace varnex
