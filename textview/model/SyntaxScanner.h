// What a syntax colouring configuration does: style each line, carry state to the next.
#pragma once

#include "textview/model/TextLine.h"

#include <cstdint>

namespace varnex {

class SyntaxScanner {
public:
    virtual ~SyntaxScanner() = default;
    // Fills the line's style bytes (style indices), its scan byte A and its scan byte B (the
    // state the next line starts in), starting from `previousState`, the scan byte B of the
    // line before (0 for the first line).
    virtual void ScanLine(TextLine& line, std::uint8_t previousState) = 0;
};

} // namespace varnex
