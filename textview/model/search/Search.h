// The pane's search engine: plain text or regular expressions over a pane's lines, with case
// folded as the pane's encoding shows the bytes. Callers include this header alone: it brings
// the compiled patterns (SearchPattern.h) and the character tables (RegexTables.h) along.
#pragma once

#include "textview/model/document/TextPosition.h"
#include "textview/model/search/RegexTables.h"
#include "textview/model/search/SearchPattern.h"

#include <optional>
#include <vector>

namespace varnex {

class PaneModel;

// What a search found: a hit (now selected), nothing, or a pattern that does not compile.
struct SearchOutcome {
    bool found = false;
    std::optional<PatternError> error;
};

// A match in a pane: its line and byte range.
struct TextMatch {
    int line = 0;
    LineMatch bytes;
};

// The next match in the document from `from` (a caret position) onwards, or backwards from it;
// nothing when there is none, without wrapping around. Lines are searched one by one; a match
// never spans lines. Forwards, an empty match right at `from` counts only when `fresh`: going
// on from a hit, it is the hit the caret already stands on, and finding it again would keep a
// repeated search in place. Backwards, the match must start before `from`; a caret past a
// line's end (virtual display) stands after the whole line, and a line past the last one means
// the end of the text.
std::optional<TextMatch> FindInDocument(const PaneModel& document, const SearchPattern& pattern,
                                        TextPosition from, bool backwards, bool fresh = false);

// Every match in lines firstLine..lastLine (clamped to the document), in text order,
// non-overlapping; the search goes on at a match's end, one byte further after an empty one.
std::vector<TextMatch> FindAll(const PaneModel& document, const SearchPattern& pattern,
                               int firstLine, int lastLine);

} // namespace varnex
