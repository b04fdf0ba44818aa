// Finding the partner of the bracket at the caret within the visible lines.
#pragma once

#include "textview/model/document/TextPosition.h"

#include <array>
#include <cstdint>

namespace varnex {

class PaneModel;

// Opening brackets and, at the same places, their closing partners, as a syntax configuration
// gives them; unused places hold 0.
struct BracketTable {
    std::array<std::uint8_t, 5> opening{};
    std::array<std::uint8_t, 5> closing{};
};

// What the pane highlights for the bracket at the caret.
struct BracketMatch {
    bool active = false;
    TextPosition bracket; // the bracket at the caret
    TextPosition partner; // its partner; with `toEdge`, the edge of the visible area instead
    int direction = 0;    // +1 forward, -1 backward
    bool ranged = false;  // the whole range between the two is marked
    bool toEdge = false;  // ranged, and no partner is visible

    friend bool operator==(const BracketMatch&, const BracketMatch&) = default;
};

struct BracketRules {
    BracketTable table;
    // Up to four style ids, one per byte; brackets drawn in these styles are ignored.
    std::uint32_t excludedStyles = 0;
};

// The match for the bracket at `at`, scanning no further than the lines firstLine..lastLine;
// inactive when `at` holds no bracket, holds an excluded one, or has no partner there (unless
// `ranged` asks to mark up to the edge then).
BracketMatch FindBracketMatch(const PaneModel& document, const BracketRules& rules, TextPosition at,
                              int firstLine, int lastLine, bool ranged);

} // namespace varnex
