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
                                             const CaretReport& caret) {
    const std::pair<int, int> position{caret.column, caret.row};
    if (lastPosition_ == position) return std::nullopt;
    lastPosition_ = position;
    return Describe(rows, side, caret);
}

std::string CaretStatus::Describe(const AlignedRows& rows, Side side,
                                  const CaretReport& caret) const {
    if (caret.row < 0 || caret.row >= rows.Count()) return {};
    const int line = rows.Line(side, caret.row);
    if (line == 0) return {};
    std::string text = FillNumbers(LoadString(kStrStatusPosition), {line, caret.column + 1});
    const bool anchorOnLine = caret.anchorRow >= 0 && caret.anchorRow < rows.Count() &&
                              rows.Line(side, caret.anchorRow) != 0;
    if (caret.hasSelection && anchorOnLine) {
        const int distance =
            caret.lineSelection ? caret.row - caret.anchorRow : caret.column - caret.anchorColumn;
        text += FillNumbers(LoadString(kStrStatusDistance), {std::abs(distance)});
    }
    return text;
}

} // namespace varnex
