// Search texts compiled: plain text by direct byte comparison, regular expressions with the
// 8-bit PCRE2 library and character tables of Windows-1252; in a UTF-8 pane both go through
// PCRE2's UTF-8 mode, so that case folds and words are Unicode characters.
#include "textview/model/search/SearchPattern.h"

#include "textview/model/search/EncodingTables.h"
#include "textview/model/search/PlainText.h"
#include "textview/model/search/RegexProgram.h"
#include "textview/model/search/ReplacementText.h"
#include "textview/model/search/WholeWords.h"

#include <algorithm>
#include <utility>

namespace varnex {

namespace {

// Plain text as a regular expression that matches it literally: ASCII punctuation escaped,
// letters, digits and UTF-8 sequences as they are.
std::string LiteralPattern(std::string_view text) {
    std::string pattern;
    for (const char c : text) {
        const auto byte = static_cast<std::uint8_t>(c);
        const bool alphanumeric = (byte >= '0' && byte <= '9') || (byte >= 'a' && byte <= 'z') ||
                                  (byte >= 'A' && byte <= 'Z');
        if (byte < 0x80 && !alphanumeric) pattern += '\\';
        pattern += c;
    }
    return pattern;
}

bool HasSpecialCharacter(std::string_view text) {
    return text.find_first_of("\\^$.|?*+()[]{}") != std::string_view::npos;
}

} // namespace

struct SearchPattern::Compiled {
    std::variant<PlainText, RegexProgram> engine;
    // Plain text only: a regular expression checks the word boundaries itself.
    WordTest words;
    bool plainWord = false;
};

std::variant<SearchPattern, PatternError> SearchPattern::Compile(std::string_view text,
                                                                 std::uint32_t flags,
                                                                 TextEncoding encoding,
                                                                 std::uint32_t editOptions) {
    const RegexMode mode = RegexModeFor(encoding);
    const bool ignoreCase = (flags & SearchFlags::kIgnoreCase) != 0;
    const WordTest words = MakeWordTest((flags & SearchFlags::kWholeWords) != 0, editOptions);
    auto compiled = std::make_shared<Compiled>();
    if (flags & SearchFlags::kRegex) {
        auto regex = CompileRegex(text, ignoreCase, words, mode);
        if (auto* error = std::get_if<PatternError>(&regex)) return std::move(*error);
        compiled->engine = std::move(std::get<RegexProgram>(regex));
        compiled->plainWord = !HasSpecialCharacter(text);
    } else {
        compiled->plainWord = true;
        // Plain text that is no valid UTF-8 is matched byte by byte, as in Windows-1252.
        auto literal = mode.utf8 && !text.empty()
                           ? CompileRegex(LiteralPattern(text), ignoreCase, words, mode)
                           : std::variant<RegexProgram, PatternError>(PatternError{});
        if (auto* regex = std::get_if<RegexProgram>(&literal)) {
            compiled->engine = std::move(*regex);
        } else {
            compiled->engine = MakePlainText(text, ignoreCase, Windows1252Tables());
            compiled->words = words;
        }
    }
    SearchPattern pattern;
    pattern.compiled_ = std::move(compiled);
    return pattern;
}

std::optional<LineMatch> SearchPattern::FindForward(const std::uint8_t* text, int length,
                                                    int from) const {
    if (!compiled_ || from > length) return std::nullopt;
    from = std::max(from, 0);
    if (const auto* regex = std::get_if<RegexProgram>(&compiled_->engine))
        return MatchRegex(*regex, text, length, from);
    const PlainText& plain = std::get<PlainText>(compiled_->engine);
    for (int at = plain.Find(text, length, from); at >= 0; at = plain.Find(text, length, at + 1)) {
        if (compiled_->words.Isolated(text, length, at, at + plain.Size()))
            return LineMatch{at, at + plain.Size(), {}};
    }
    return std::nullopt;
}

std::optional<LineMatch> SearchPattern::FindBackward(const std::uint8_t* text, int length,
                                                     int before) const {
    // The matches a forward walk from the line's start finds, the last one before `before`:
    // stepping backwards visits the same matches as stepping forwards or marking them all.
    std::optional<LineMatch> last;
    for (int from = 0; from <= length;) {
        std::optional<LineMatch> match = FindForward(text, length, from);
        if (!match || match->first >= before) break;
        from = match->last > match->first ? match->last : match->first + 1;
        last = std::move(match);
    }
    return last;
}

std::string SearchPattern::Expand(std::string_view replacement, const std::uint8_t* text,
                                  const LineMatch& match) const {
    if (!compiled_ || std::holds_alternative<PlainText>(compiled_->engine))
        return std::string(replacement);
    return ExpandReferences(replacement, text, match);
}

bool SearchPattern::IsPlainWord() const {
    return compiled_ && compiled_->plainWord;
}

} // namespace varnex
