// Searching and replacing in a pane: the hit becomes the selection, replacements go through the
// undo ring, replace-all as one step.
#include "textview/model/editor/PaneEditor.h"

#include "textview/model/document/PaneModel.h"
#include "textview/model/document/TextColumns.h"
#include "textview/model/document/TextEdit.h"
#include "textview/model/settings/EditOptions.h"
#include "textview/model/settings/TabWidth.h"

#include <algorithm>

namespace varnex {

namespace {

std::string LineBytes(const PaneModel& document, int line) {
    const TextLine* record = document.GetLine(line);
    return record ? std::string(reinterpret_cast<const char*>(record->Text()),
                                static_cast<std::size_t>(record->Length()))
                  : std::string();
}

TextPosition PositionOf(const PaneModel& document, int line, int index) {
    const TextLine* record = document.GetLine(line);
    if (!record) return {0, line};
    return {IndexToColumn(record->Text(), record->Length(), index, TabWidth::Get(),
                          document.Encoding()),
            line};
}

} // namespace

std::uint32_t PaneEditor::SetSearchFlags(std::uint32_t flags, std::uint32_t mask) {
    const std::uint32_t before = searchFlags_;
    searchFlags_ = (searchFlags_ & ~mask) | (flags & mask);
    if ((before ^ searchFlags_) & SearchFlags::kHighlight) document_.Repaint().MarkAll();
    return before;
}

SearchOutcome PaneEditor::Search(std::string_view text, bool continuing) {
    auto compiled =
        SearchPattern::Compile(text, searchFlags_, document_.Encoding(), EditOptions::Get());
    if (auto* error = std::get_if<PatternError>(&compiled)) return {false, *error};
    const SearchPattern& pattern = std::get<SearchPattern>(compiled);
    const bool backwards = (searchFlags_ & SearchFlags::kBackwards) != 0;
    TextPosition from = backwards ? caret_.SelectionStart() : caret_.SelectionEnd();
    if (!caret_.HasSelection()) from = caret_.Caret();
    if ((searchFlags_ & SearchFlags::kWholeText) && !continuing)
        from = backwards ? TextPosition{0, document_.LineCount()} : TextPosition{0, 0};
    const std::optional<TextMatch> hit =
        FindInDocument(document_, pattern, from, backwards, !continuing);
    if (!hit) return {};
    lastHit_ = hit;
    lastPattern_ = pattern;
    const TextPosition start = PositionOf(document_, hit->line, hit->bytes.first);
    const TextPosition end = PositionOf(document_, hit->line, hit->bytes.last);
    const bool hitWasShown = platform_.Scroll().ShowsLineFully(start.line);
    MoveTo(start, false);
    MoveTo(end, true);
    // A hit off the screen would otherwise turn up on the first or last row.
    if (!hitWasShown) {
        platform_.ScrollTo(platform_.Scroll().firstColumn,
                           platform_.Scroll().FirstLineCentring(start.line));
    }
    ShowHitFromTheLeft(start, end);
    return {true, std::nullopt};
}

// A hit is shown with as much of its line's start as fits, so that a view scrolled sideways by
// one hit does not stay there for the next.
void PaneEditor::ShowHitFromTheLeft(TextPosition start, TextPosition end) {
    const ScrollState& shown = platform_.Scroll();
    const int firstColumnShowingEnd = end.column - shown.fullColumns + 1;
    const int column = std::max(0, std::min(start.column, firstColumnShowingEnd));
    if (column != shown.firstColumn) platform_.ScrollTo(column, shown.firstLine);
}

bool PaneEditor::ReplaceFound(std::string_view replacement) {
    if (RefuseWhenReadOnly() || !lastHit_ || !lastPattern_) return false;
    const TextPosition start = PositionOf(document_, lastHit_->line, lastHit_->bytes.first);
    const TextPosition end = PositionOf(document_, lastHit_->line, lastHit_->bytes.last);
    const bool stillSelected = caret_.SelectionStart() == start && caret_.SelectionEnd() == end;
    if (!stillSelected && !(start == end && caret_.Caret() == start)) return false;
    const std::string line = LineBytes(document_, lastHit_->line);
    const std::string text = lastPattern_->Expand(
        replacement, reinterpret_cast<const std::uint8_t*>(line.data()), lastHit_->bytes);
    lastHit_.reset();
    if (caret_.HasSelection() && !DeleteSelection(true)) return false;
    return text.empty() || InsertBytes(text);
}

std::variant<int, PatternError>
PaneEditor::ReplaceAll(std::string_view text, std::string_view replacement, bool inSelection) {
    if (RefuseWhenReadOnly()) return 0;
    auto compiled =
        SearchPattern::Compile(text, searchFlags_, document_.Encoding(), EditOptions::Get());
    if (auto* error = std::get_if<PatternError>(&compiled)) return *error;
    const SearchPattern& pattern = std::get<SearchPattern>(compiled);
    const TextPosition start = inSelection ? caret_.SelectionStart() : TextPosition{0, 0};
    const TextPosition end =
        inSelection ? caret_.SelectionEnd() : TextPosition{0, document_.LineCount()};
    std::vector<TextMatch> hits = FindAll(document_, pattern, start.line, end.line);
    std::erase_if(hits, [&](const TextMatch& hit) {
        return PositionOf(document_, hit.line, hit.bytes.first) < start ||
               end < PositionOf(document_, hit.line, hit.bytes.last);
    });
    if (hits.empty() || !Allowed(EditRequest::Step::Edit, hits.front().line)) return 0;
    std::vector<std::string> lines;
    for (int line = hits.front().line; line <= hits.back().line; ++line)
        lines.push_back(LineBytes(document_, line));
    for (auto hit = hits.rbegin(); hit != hits.rend(); ++hit) {
        std::string& line = lines[static_cast<std::size_t>(hit->line - hits.front().line)];
        const std::string expanded = pattern.Expand(
            replacement, reinterpret_cast<const std::uint8_t*>(line.data()), hit->bytes);
        line.replace(static_cast<std::size_t>(hit->bytes.first),
                     static_cast<std::size_t>(hit->bytes.last - hit->bytes.first), expanded);
    }
    if (!ReplaceLines(hits.front().line, hits.back().line, lines)) return 0;
    return static_cast<int>(hits.size());
}

// Lines first..last become `lines` (as many), as one undo step.
bool PaneEditor::ReplaceLines(int first, int last, const std::vector<std::string>& lines) {
    std::string joined;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        if (static_cast<int>(lines[k].size()) > document_.Limits().maxLineLength) {
            Beep();
            return false;
        }
        joined += (k > 0 ? "\n" : "") + lines[k];
    }
    const TextPosition blockEnd{document_.GetLine(last)->Width(), last};
    UndoRecord* removed = BeginRecord(true);
    removed->kind = UndoRecord::kDeleted | UndoRecord::kByReplace;
    if (!Replace({0, first}, blockEnd, "", removed)) return false;
    CommitRecord(removed);
    group_ = true;
    UndoRecord* inserted = BeginRecord(true);
    inserted->kind = UndoRecord::kInserted | UndoRecord::kCaretToStart;
    if (!Replace({0, first}, {0, first}, joined, inserted)) return false;
    CommitRecord(inserted);
    PlaceCaret({0, first});
    return true;
}

void PaneEditor::SetHighlightWord(HighlightWord word) {
    highlight_ = std::move(word);
    document_.Repaint().MarkAll();
}

std::optional<HighlightWord> PaneEditor::Highlight() const {
    if (!(searchFlags_ & SearchFlags::kHighlight) || highlight_.text.empty()) return std::nullopt;
    return highlight_;
}

} // namespace varnex
