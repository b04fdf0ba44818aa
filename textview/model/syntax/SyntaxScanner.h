// What a syntax colouring configuration does: style each line, carry state to the next.
#pragma once

#include "textview/model/document/TextLine.h"
#include "textview/model/editor/BracketMatch.h"
#include "textview/model/settings/StyleTable.h"

#include <bitset>
#include <cstdint>
#include <optional>

namespace varnex {

class SyntaxScanner {
public:
    virtual ~SyntaxScanner() = default;
    // Fills the line's style bytes (style indices), its scan byte A and its scan byte B (the
    // state the next line starts in), starting from `previousState`, the scan byte B of the
    // line before (0 for the first line).
    virtual void ScanLine(TextLine& line, std::uint8_t previousState) = 0;
    // Turns the configuration's style ids into indices of the pane group's table; called when
    // the configuration is chosen, before the first line is scanned.
    virtual void BindStyles(const StyleTable& styles) { (void)styles; }
    // The style indices the configuration draws with, when it can tell.
    virtual std::optional<std::bitset<256>> UsedStyles() const { return std::nullopt; }
    // The bracket pairs to match, when the configuration has any.
    virtual std::optional<BracketRules> Brackets() const { return std::nullopt; }
};

} // namespace varnex
