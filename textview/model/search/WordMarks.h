// Which words a pane marks with a bar under them: in WordAtCaret mode the word at the caret,
// in every mode the word a search asked to highlight; nothing while the host offers no word
// marking.
#pragma once

#include "textview/model/document/TextPosition.h"
#include "textview/model/editor/WordJump.h"
#include "textview/model/search/Search.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace varnex {

class PaneModel;

enum class WordMarkMode { None = 0, WordAtCaret = 1, SearchedWordOnly = 2 };

// The word a search asked to highlight ("Wort hervorheben").
struct HighlightWord {
    std::string text;
    bool ignoreCase = false;
    bool wholeWords = false;
    friend bool operator==(const HighlightWord&, const HighlightWord&) = default;
};

// The mode the options ask for; None while word marking is not available.
WordMarkMode WordMarkModeOf(std::uint32_t editOptions);

class WordMarks {
public:
    // What the pane's state asks to mark now; `highlight` is the search's word while the search
    // flag "Wort hervorheben" is on. True when the marked words changed, so that the visible
    // lines need repainting.
    bool Update(const PaneModel& document, TextPosition caret,
                const std::optional<HighlightWord>& highlight, std::uint32_t editOptions);
    // The marked bytes of `line`, [first, last) each, in text order.
    std::vector<ByteRange> MarkedIn(const PaneModel& document, int line) const;
    bool Empty() const { return !caretPattern_ && !searchedPattern_; }

private:
    bool UpdateCaretWord(const PaneModel& document, TextPosition caret, std::uint32_t options);
    bool UpdateSearched(const std::optional<HighlightWord>& highlight, std::uint32_t options);
    void ForgetPatterns(TextEncoding encoding);

    TextEncoding encoding_ = TextEncoding::Windows1252;
    std::string caretWord_;
    std::optional<SearchPattern> caretPattern_;
    std::optional<HighlightWord> searched_;
    std::optional<SearchPattern> searchedPattern_;
};

} // namespace varnex
