// A search text compiled once: plain text or a regular expression, matched within one line.
#pragma once

#include "common/TextEncoding.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace varnex {

// The search flags the dialogs send (a bit word, kept as the dialogs exchange it).
struct SearchFlags {
    static constexpr std::uint32_t kIgnoreCase = 16;
    static constexpr std::uint32_t kBackwards = 32;
    // Start at the text's start (end) instead of the caret.
    static constexpr std::uint32_t kWholeText = 64;
    static constexpr std::uint32_t kWholeWords = 128;
    static constexpr std::uint32_t kRegex = 0x100;
    static constexpr std::uint32_t kHighlight = 0x20000;
    // The bits the find and replace dialogs own.
    static constexpr std::uint32_t kDialogMask = 0x201F0;
};

// Bytes [first, last) of one line, with the regular expression's groups (group 0 is the match;
// a group that took part in nothing is (-1, -1)).
struct LineMatch {
    int first = 0;
    int last = 0;
    std::vector<std::pair<int, int>> groups;
};

// A pattern that does not compile: the library's offset in the pattern and its message.
struct PatternError {
    int offset = 0;
    std::string message;
};

// A compiled search text. Copyable and cheap to move; a regular expression is compiled once.
class SearchPattern {
public:
    // Plain text is matched byte by byte, with case folded under kIgnoreCase; kRegex compiles a
    // regular expression (see docs/SEARCH.md). kWholeWords admits only matches with no word
    // character (IsWordCharacter with `editOptions`) right before or after them. With UTF-8
    // `encoding` text and lines are UTF-8: both kinds match whole characters, ignore case as
    // Unicode folds it and see letters beyond ASCII as word characters; plain text that is no
    // valid UTF-8 is matched byte by byte.
    static std::variant<SearchPattern, PatternError> Compile(std::string_view text,
                                                             std::uint32_t flags,
                                                             TextEncoding encoding,
                                                             std::uint32_t editOptions);

    // The first match starting at byte `from` or later; it may be empty (a regular expression
    // such as "^" or "\s*"), and the caller steps past an empty match itself. A regular
    // expression sees the bytes before `from` (lookbehind, \b). Plain text matches carry no
    // groups; empty plain text matches nothing.
    std::optional<LineMatch> FindForward(const std::uint8_t* text, int length, int from) const;
    // The last match starting before byte `before`, among the matches a walk from the line's
    // start finds one after the other (as FindAll does), so stepping backwards visits the same
    // matches as stepping forwards. It may reach past `before`.
    std::optional<LineMatch> FindBackward(const std::uint8_t* text, int length, int before) const;
    // The replacement for `match`: plain patterns take it as it is; regular expressions put the
    // groups in for $0..$9 and ${n} (n up to 99), "$$" for a dollar sign. A group that took no
    // part gives nothing; a reference to a group the pattern lacks, or a malformed one, stays
    // as written.
    std::string Expand(std::string_view replacement, const std::uint8_t* text,
                       const LineMatch& match) const;
    // True for plain text, and for a regular expression without special characters.
    bool IsPlainWord() const;

private:
    struct Compiled;
    std::shared_ptr<const Compiled> compiled_;
};

} // namespace varnex
