// The replacement for a regular expression's match, with its groups put in.
#pragma once

#include "textview/model/search/SearchPattern.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace varnex {

// `replacement` with the groups of `match` in `text` put in for $0..$9 and ${n} (n up to 99),
// "$$" for a dollar sign. A group that took no part gives nothing; a reference to a group the
// match lacks, or a malformed one, stays as written.
std::string ExpandReferences(std::string_view replacement, const std::uint8_t* text,
                             const LineMatch& match);

} // namespace varnex
