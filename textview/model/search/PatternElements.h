// The regular-expression elements the pattern menu of the find and replace dialogs inserts,
// in the search engine's own syntax. The descriptions are UTF-8.
#pragma once

#include <string_view>

namespace varnex {

struct PatternElement {
    int code = 0;                 // 1..21, as the menu entries carry them
    std::string_view syntax;      // the text inserted into the search text
    int caretOffset = 0;          // where the caret goes within `syntax` (e.g. inside "[]")
    std::string_view description; // what the element matches, for the entry's tool tip (German)
};

// The element with `code`, or null for a code the menu does not have.
const PatternElement* FindPatternElement(int code);

} // namespace varnex
