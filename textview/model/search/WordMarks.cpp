// Which words a pane marks with a bar under them.
#include "textview/model/search/WordMarks.h"

#include "textview/model/document/PaneModel.h"
#include "textview/model/document/TextColumns.h"
#include "textview/model/settings/EditOptions.h"
#include "textview/model/settings/TabWidth.h"

#include <algorithm>

namespace varnex {

namespace {

std::optional<SearchPattern> WholeWordPattern(const std::string& word, bool ignoreCase,
                                              bool wholeWords, std::uint32_t options,
                                              TextEncoding encoding) {
    if (word.empty()) return std::nullopt;
    const std::uint32_t flags =
        (ignoreCase ? SearchFlags::kIgnoreCase : 0) | (wholeWords ? SearchFlags::kWholeWords : 0);
    auto compiled = SearchPattern::Compile(word, flags, encoding, options);
    if (auto* pattern = std::get_if<SearchPattern>(&compiled)) return *pattern;
    return std::nullopt;
}

std::string WordAt(const PaneModel& document, TextPosition caret, std::uint32_t options) {
    const TextLine* line = document.GetLine(caret.line);
    if (!line) return {};
    const TextEncoding encoding = document.Encoding();
    const int index =
        ColumnToIndex(line->Text(), line->Length(), caret.column, TabWidth::Get(), encoding);
    const ByteRange word = WordTouching(line->Text(), line->Length(), index, options, encoding);
    return std::string(reinterpret_cast<const char*>(line->Text()) + word.first,
                       static_cast<std::size_t>(word.last - word.first));
}

void AddMatches(std::vector<ByteRange>& marks, const PaneModel& document,
                const std::optional<SearchPattern>& pattern, int line) {
    if (!pattern) return;
    for (const TextMatch& match : FindAll(document, *pattern, line, line)) {
        if (match.bytes.last > match.bytes.first)
            marks.push_back({match.bytes.first, match.bytes.last});
    }
}

} // namespace

WordMarkMode WordMarkModeOf(std::uint32_t editOptions) {
    if (!(editOptions & EditOptions::kWordMarkingAvailable)) return WordMarkMode::None;
    switch ((editOptions & EditOptions::kWordMarkingMode) >> EditOptions::kWordMarkingShift) {
    case 1:
        return WordMarkMode::WordAtCaret;
    case 2:
        return WordMarkMode::SearchedWordOnly;
    default:
        return WordMarkMode::None;
    }
}

bool WordMarks::Update(const PaneModel& document, TextPosition caret,
                       const std::optional<HighlightWord>& highlight, std::uint32_t editOptions) {
    const WordMarkMode mode = WordMarkModeOf(editOptions);
    if (document.Encoding() != encoding_) ForgetPatterns(document.Encoding());
    const bool caretChanged =
        UpdateCaretWord(document, caret, mode == WordMarkMode::WordAtCaret ? editOptions : 0);
    // The searched word is the user's own request ("Wort hervorheben"), so it is marked in every
    // mode; the modes decide only whether the word at the caret is marked as well.
    const bool available = (editOptions & EditOptions::kWordMarkingAvailable) != 0;
    const bool searchedChanged = UpdateSearched(available ? highlight : std::nullopt, editOptions);
    return caretChanged || searchedChanged;
}

// `options` 0: no word at the caret is marked.
bool WordMarks::UpdateCaretWord(const PaneModel& document, TextPosition caret,
                                std::uint32_t options) {
    const std::string word = options ? WordAt(document, caret, options) : std::string();
    if (word == caretWord_) return false;
    caretWord_ = word;
    caretPattern_ = WholeWordPattern(word, false, true, options, encoding_);
    return true;
}

bool WordMarks::UpdateSearched(const std::optional<HighlightWord>& highlight,
                               std::uint32_t options) {
    const bool usable = highlight && !highlight->text.empty();
    if (usable ? searched_ == highlight : !searched_) return false;
    searched_ = usable ? highlight : std::nullopt;
    searchedPattern_ = usable ? WholeWordPattern(highlight->text, highlight->ignoreCase,
                                                 highlight->wholeWords, options, encoding_)
                              : std::nullopt;
    return true;
}

// Patterns are compiled for one encoding; the next update compiles them again.
void WordMarks::ForgetPatterns(TextEncoding encoding) {
    encoding_ = encoding;
    caretWord_.clear();
    caretPattern_.reset();
    searched_.reset();
    searchedPattern_.reset();
}

std::vector<ByteRange> WordMarks::MarkedIn(const PaneModel& document, int line) const {
    std::vector<ByteRange> marks;
    AddMatches(marks, document, caretPattern_, line);
    AddMatches(marks, document, searchedPattern_, line);
    std::sort(marks.begin(), marks.end(),
              [](const ByteRange& a, const ByteRange& b) { return a.first < b.first; });
    return marks;
}

} // namespace varnex
