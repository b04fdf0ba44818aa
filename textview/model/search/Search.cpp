// The walk over a pane's lines: each line searched in turn from the caret's column, forwards
// or backwards, and every match in a range of lines.
#include "textview/model/search/Search.h"

#include "textview/model/document/PaneModel.h"
#include "textview/model/document/TextColumns.h"
#include "textview/model/settings/TabWidth.h"

#include <algorithm>
#include <utility>

namespace varnex {

namespace {

// Where a search from the caret column starts on its line.
int IndexAtColumn(const TextLine& line, int column, TextEncoding encoding) {
    return ColumnToIndex(line.Text(), line.Length(), column, TabWidth::Get(), encoding);
}

// Matches before the caret start before this index; a caret past the line's end stands after
// it, so a match at the very end (such as "$") counts as before it.
int IndexBeforeColumn(const TextLine& line, int column, TextEncoding encoding) {
    const int index = IndexAtColumn(line, column, encoding);
    if (index < line.Length()) return index;
    const int endColumn =
        IndexToColumn(line.Text(), line.Length(), line.Length(), TabWidth::Get(), encoding);
    return column > endColumn ? index + 1 : index;
}

std::optional<TextMatch> SearchForwardFrom(const PaneModel& document, const SearchPattern& pattern,
                                           TextPosition from, bool fresh) {
    for (int line = std::max(from.line, 0); line < document.LineCount(); ++line) {
        const TextLine& record = *document.GetLine(line);
        const int start =
            line == from.line ? IndexAtColumn(record, from.column, document.Encoding()) : 0;
        std::optional<LineMatch> match = pattern.FindForward(record.Text(), record.Length(), start);
        if (match && !fresh && line == from.line && match->first == start && match->last == start)
            match = pattern.FindForward(record.Text(), record.Length(), start + 1);
        if (match) return TextMatch{line, std::move(*match)};
    }
    return std::nullopt;
}

std::optional<TextMatch> SearchBackwardFrom(const PaneModel& document, const SearchPattern& pattern,
                                            TextPosition from) {
    for (int line = std::min(from.line, document.LineCount() - 1); line >= 0; --line) {
        const TextLine& record = *document.GetLine(line);
        const int before = line == from.line
                               ? IndexBeforeColumn(record, from.column, document.Encoding())
                               : record.Length() + 1;
        std::optional<LineMatch> match =
            pattern.FindBackward(record.Text(), record.Length(), before);
        if (match) return TextMatch{line, std::move(*match)};
    }
    return std::nullopt;
}

} // namespace

std::optional<TextMatch> FindInDocument(const PaneModel& document, const SearchPattern& pattern,
                                        TextPosition from, bool backwards, bool fresh) {
    return backwards ? SearchBackwardFrom(document, pattern, from)
                     : SearchForwardFrom(document, pattern, from, fresh);
}

std::vector<TextMatch> FindAll(const PaneModel& document, const SearchPattern& pattern,
                               int firstLine, int lastLine) {
    std::vector<TextMatch> matches;
    lastLine = std::min(lastLine, document.LineCount() - 1);
    for (int line = std::max(firstLine, 0); line <= lastLine; ++line) {
        const TextLine& record = *document.GetLine(line);
        int from = 0;
        while (auto match = pattern.FindForward(record.Text(), record.Length(), from)) {
            from = match->last > match->first ? match->last : match->first + 1;
            matches.push_back({line, std::move(*match)});
        }
    }
    return matches;
}

} // namespace varnex
