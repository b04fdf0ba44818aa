// The caret and the selection of a pane: where they stand and how SetCaret moves them.
#include "textview/model/editor/Caret.h"

#include "textview/model/document/PaneModel.h"
#include "textview/model/document/TextColumns.h"
#include "textview/model/settings/EditOptions.h"
#include "textview/model/settings/TabWidth.h"

#include <algorithm>

namespace varnex {

namespace {

bool VirtualDisplay() {
    return (EditOptions::Get() & EditOptions::kVirtualDisplay) != 0;
}

} // namespace

CaretModel::CaretModel(PaneModel& document) : document_(document) {}

void CaretModel::SetCaret(int column, int line, int flags) {
    bool keepRemembered = false;
    const TextPosition target = Target(column, line, flags, keepRemembered);
    UpdateSelection(target, (flags & CaretMove::kExtend) != 0);
    MatchBracket(target);
    const bool moved = target != caret_;
    caret_ = target;
    if (moved && movedHook_) movedHook_();
    if (!keepRemembered) rememberedColumn_ = target.column;
    if (statusHook_) statusHook_();
}

void CaretModel::ClearBracket() {
    MarkBracket(bracket_);
    bracket_ = {};
}

void CaretModel::Reset() {
    caret_ = anchor_ = {};
    selection_ = SelectionState::None;
    rememberedColumn_ = 0;
    bracket_ = {};
}

// Where the caret goes before the selection is looked at.
TextPosition CaretModel::Target(int column, int line, int flags, bool& keepRemembered) const {
    TextPosition target{column, line};
    if (flags & CaretMove::kRelative) {
        target = {caret_.column + column, caret_.line + line};
        if (column == 0 && line != 0 && !VirtualDisplay()) {
            target.column = rememberedColumn_;
            keepRemembered = true;
        }
        const bool collapses = !(flags & CaretMove::kExtend) && HasSelection();
        if (collapses) {
            if (const std::optional<TextPosition> collapsed = CollapsedTarget(column, line))
                target = {line == 0 ? collapsed->column : target.column, collapsed->line};
        }
    }
    return ClampToText(target, column, flags);
}

// A single step towards the anchor ends the selection at the anchor (left, right) or on the
// line beyond it (up, down).
std::optional<TextPosition> CaretModel::CollapsedTarget(int column, int line) const {
    const bool afterAnchor = anchor_ < caret_;
    if (afterAnchor && column == -1 && line == 0) return anchor_;
    if (afterAnchor && column == 0 && line == -1) return TextPosition{0, anchor_.line - 1};
    if (!afterAnchor && column == 1 && line == 0) return anchor_;
    if (!afterAnchor && column == 0 && line == 1) return TextPosition{0, anchor_.line + 1};
    return std::nullopt;
}

TextPosition CaretModel::ClampToText(TextPosition target, int column, int flags) const {
    target.line = std::max(target.line, 0);
    if (target.column < 0) {
        const bool wraps = !(flags & CaretMove::kNoWrap) && target.line > 0;
        if (wraps) {
            --target.line;
            const TextLine* previous = document_.GetLine(target.line);
            target.column = previous ? previous->Width() : 0;
        } else {
            target.column = 0;
        }
    }
    const int count = document_.LineCount();
    if (target.line < count) target = ClampToLine(target, column, flags);
    if (target.line >= count) {
        const bool keepColumn = VirtualDisplay() && caret_.line < count;
        target = {keepColumn ? target.column : 0, count};
    }
    return target;
}

// On an existing line: no column past the end without virtual display, none inside a tab or
// a wide character.
TextPosition CaretModel::ClampToLine(TextPosition target, int column, int flags) const {
    const TextLine& line = *document_.GetLine(target.line);
    const bool rightward = (flags & CaretMove::kRelative) && column > 0;
    if (target.column > line.Width() && !VirtualDisplay()) {
        if (rightward && !(flags & CaretMove::kNoWrap)) return {0, target.line + 1};
        target.column = line.Width();
    }
    const ColumnHit hit = FindColumn(line.Text(), line.Length(), target.column, TabWidth::Get(),
                                     document_.Encoding());
    if (hit.startColumn < target.column && target.column < hit.endColumn)
        target.column = rightward ? hit.endColumn : hit.startColumn;
    return target;
}

void CaretModel::UpdateSelection(TextPosition target, bool extend) {
    if (!extend) {
        if (HasSelection()) MarkLines(SelectionStart().line, SelectionEnd().line);
        anchor_ = target;
        selection_ = SelectionState::None;
        return;
    }
    MarkLines(std::min(caret_.line, target.line), std::max(caret_.line, target.line));
    if (anchor_.line != target.line) {
        selection_ = SelectionState::AcrossLines;
    } else {
        selection_ =
            anchor_.column != target.column ? SelectionState::OneLine : SelectionState::None;
    }
}

void CaretModel::MatchBracket(TextPosition target) {
    const std::uint32_t options = EditOptions::Get();
    if (!bracketRules_ || !(options & EditOptions::kBracketSearch)) return;
    const int first = document_.VisibleFirst();
    const int last = first + document_.VisibleCount() - 1;
    const BracketMatch match = FindBracketMatch(document_, *bracketRules_, target, first, last,
                                                (options & EditOptions::kBracketRange) != 0);
    if (match == bracket_) return;
    MarkBracket(bracket_);
    MarkBracket(match);
    bracket_ = match;
}

void CaretModel::MarkBracket(const BracketMatch& match) {
    if (!match.active) return;
    MarkLines(std::min(match.bracket.line, match.partner.line),
              std::max(match.bracket.line, match.partner.line));
}

// Only lines on screen need their rows redrawn.
void CaretModel::MarkLines(int from, int to) {
    const int first = std::max(from, document_.VisibleFirst());
    const int last = std::min(to, document_.VisibleFirst() + document_.VisibleCount() - 1);
    for (int line = first; line <= last; ++line)
        document_.MarkLine(line);
}

} // namespace varnex
