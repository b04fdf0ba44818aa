// The status text of a pane's caret, and the key that says whether it changed.
#include "textview/model/editor/PaneStatus.h"

#include "textview/model/settings/PaneTexts.h"

#include <cstdlib>

namespace varnex {

namespace {

// Lines touched by a selection across lines: the later end's line counts when it reaches
// into that line.
int LinesTouched(const StatusQuery& query) {
    const TextPosition& first = query.anchor < query.caret ? query.anchor : query.caret;
    const TextPosition& last = query.anchor < query.caret ? query.caret : query.anchor;
    return last.line - first.line + (last.column > 0 ? 1 : 0);
}

} // namespace

std::string DefaultStatusText(const StatusQuery& query) {
    std::string text;
    text.append(kStatusLineText).append(std::to_string(query.caret.line + 1));
    text.append(kStatusColumnText).append(std::to_string(query.caret.column + 1));
    if (query.selection == SelectionState::OneLine) {
        text.append(" (").append(kStatusColumnsSelected);
        text.append(std::to_string(std::abs(query.caret.column - query.anchor.column))).append(")");
    } else if (query.selection == SelectionState::AcrossLines) {
        text.append(" (").append(kStatusLinesSelected);
        text.append(std::to_string(LinesTouched(query))).append(")");
    }
    return text;
}

// Never 0, which stands for "nothing published yet".
std::uint64_t DefaultStatusKey(const StatusQuery& query, int modeBits) {
    return (static_cast<std::uint64_t>(query.caret.line + 1) << 32) |
           (static_cast<std::uint64_t>(query.caret.column & 0x3FFFFFFF) << 2) |
           static_cast<std::uint64_t>(modeBits & 0x3);
}

} // namespace varnex
