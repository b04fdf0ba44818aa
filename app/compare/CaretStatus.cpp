// The status text for a compare pane's caret: the file's line and column, and the selection.
#include "app/compare/CaretStatus.h"

#include "res/StringId.h"
#include "res/StringTable.h"

#include <cstdlib>
#include <initializer_list>

namespace varnex {

namespace {

// Puts the numbers into the "%i" places of a string-table pattern, in order.
std::string FillNumbers(const std::string& pattern, std::initializer_list<int> numbers) {
    std::string text;
    auto number = numbers.begin();
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern.compare(i, 2, "%i") == 0 && number != numbers.end()) {
            text += std::to_string(*number++);
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

} // namespace

std::optional<std::string> CaretStatus::Text(const AlignedRows& rows, Side side,
                                             const StatusQuery& caret) {
    const std::pair<int, int> position{caret.caret.column, caret.caret.line};
    if (lastPosition_ == position) return std::nullopt;
    lastPosition_ = position;
    return Describe(rows, side, caret);
}

// The distance counts lines while the selection reaches across lines, else columns.
std::string CaretStatus::Describe(const AlignedRows& rows, Side side,
                                  const StatusQuery& caret) const {
    const TextPosition at = caret.caret;
    const TextPosition anchor = caret.anchor;
    if (at.line < 0 || at.line >= rows.Count()) return {};
    const int line = rows.Line(side, at.line);
    if (line == 0) return {};
    std::string text = FillNumbers(LoadString(kStrStatusPosition), {line, at.column + 1});
    const bool anchorOnLine =
        anchor.line >= 0 && anchor.line < rows.Count() && rows.Line(side, anchor.line) != 0;
    if (caret.selection != SelectionState::None && anchorOnLine) {
        const int distance = caret.selection == SelectionState::AcrossLines
                                 ? at.line - anchor.line
                                 : at.column - anchor.column;
        text += FillNumbers(LoadString(kStrStatusDistance), {std::abs(distance)});
    }
    return text;
}

} // namespace varnex
