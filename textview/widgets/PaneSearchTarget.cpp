// The pane as its dialogs see it.
#include "textview/widgets/PaneSearchTarget.h"

#include "textview/widgets/AnsiEditView.h"

namespace varnex {

std::uint32_t PaneSearchTarget::SetSearchFlags(std::uint32_t flags, std::uint32_t mask) {
    const std::uint32_t before = pane_.Editor().SetSearchFlags(flags, mask);
    pane_.AfterInteraction();
    if ((before ^ pane_.Editor().CurrentSearchFlags()) & SearchFlags::kHighlight)
        emit pane_.HighlightChanged();
    return before;
}

std::uint32_t PaneSearchTarget::CurrentSearchFlags() const {
    return pane_.Editor().CurrentSearchFlags();
}

TextEncoding PaneSearchTarget::Encoding() const {
    return pane_.Encoding();
}

SearchOutcome PaneSearchTarget::Search(const std::string& text, bool continuing) {
    const SearchOutcome outcome = pane_.Editor().Search(text, continuing);
    pane_.AfterInteraction();
    return outcome;
}

bool PaneSearchTarget::ReplaceFound(const std::string& replacement) {
    const bool replaced = pane_.Editor().ReplaceFound(replacement);
    pane_.AfterInteraction();
    return replaced;
}

std::variant<int, PatternError> PaneSearchTarget::ReplaceAll(const std::string& text,
                                                             const std::string& replacement,
                                                             bool inSelection) {
    auto result = pane_.Editor().ReplaceAll(text, replacement, inSelection);
    pane_.AfterInteraction();
    return result;
}

void PaneSearchTarget::SetWordHighlight(std::uint32_t flags, const std::string& word) {
    pane_.Editor().SetHighlightWord(
        {word, (flags & kHighlightIgnoreCase) != 0, (flags & kHighlightWholeWords) != 0});
    pane_.AfterInteraction();
    emit pane_.HighlightChanged();
}

void PaneSearchTarget::SetEditOptions(std::uint32_t options, std::uint32_t mask) {
    pane_.SetEditOptions({options, mask});
}

void PaneSearchTarget::SetTabWidth(int columns) {
    pane_.SetTabWidth(columns);
}

bool PaneSearchTarget::SaveOptions() {
    return pane_.SaveChosenOptions();
}

bool PaneSearchTarget::MarginFollowsOptions() const {
    return pane_.MarginFollowsOptions();
}

QRect PaneSearchTarget::HitRowOnScreen() const {
    const QRect cell = pane_.CellRect(pane_.Editor().Caret().Caret());
    const QRect row(0, cell.top(), pane_.viewport()->width(), cell.height());
    return QRect(pane_.viewport()->mapToGlobal(row.topLeft()), row.size());
}

bool PaneSearchTarget::HasSelection() const {
    return pane_.Editor().Caret().HasSelection();
}

void PaneSearchTarget::Beep() {
    pane_.Editor().Beep();
}

} // namespace varnex
