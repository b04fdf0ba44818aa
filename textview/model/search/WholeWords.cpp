// Whole words for plain text and regular expressions, made of the characters the editor options
// count as word characters.
#include "textview/model/search/WholeWords.h"

#include "textview/model/editor/CharClass.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <iterator>

namespace varnex {

namespace {

// Length of the start-of-pattern option items such as (*LF) or (*LIMIT_MATCH=9), which must
// stay in front of anything the whole-word wrapper puts before the pattern.
std::size_t LeadingOptionItems(std::string_view text) {
    static constexpr std::string_view kBacktrackVerbs[] = {"ACCEPT", "FAIL", "F",   "COMMIT",
                                                           "PRUNE",  "SKIP", "THEN"};
    std::size_t length = 0;
    while (text.substr(length).starts_with("(*")) {
        const std::size_t close = text.find(')', length);
        if (close == std::string_view::npos) break;
        const std::string_view name = text.substr(length + 2, close - length - 2);
        const bool optionLike = !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
            return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '=';
        });
        if (!optionLike || std::find(std::begin(kBacktrackVerbs), std::end(kBacktrackVerbs),
                                     name) != std::end(kBacktrackVerbs))
            break;
        length = close + 1;
    }
    return length;
}

} // namespace

WordTest MakeWordTest(bool active, std::uint32_t editOptions) {
    WordTest test;
    test.active = active;
    for (int value = 0; value < 256; ++value)
        test.isWord[static_cast<std::size_t>(value)] =
            IsWordCharacter(static_cast<std::uint8_t>(value), editOptions);
    return test;
}

std::string WordClass(const std::array<bool, 256>& isWord) {
    std::string pattern = "[";
    char hex[16];
    for (int first = 0; first < 256; ++first) {
        if (!isWord[static_cast<std::size_t>(first)]) continue;
        int last = first;
        while (last < 255 && isWord[static_cast<std::size_t>(last + 1)])
            ++last;
        std::snprintf(hex, sizeof hex, "\\x%02X-\\x%02X", first, last);
        pattern += hex;
        first = last;
    }
    return pattern + "]";
}

std::string Utf8WordClass(const std::array<bool, 256>& isWord) {
    std::array<bool, 256> ascii = isWord;
    std::fill(ascii.begin() + 0x80, ascii.end(), false);
    std::string pattern = WordClass(ascii);
    pattern.pop_back();
    return pattern + "\\x{C0}-\\x{1FFF}\\x{2070}-\\x{2FFF}\\x{3040}-\\x{10FFFF}]";
}

std::string WholeWordPattern(std::string_view text, const std::string& wordClass, bool endComment) {
    const std::size_t options = LeadingOptionItems(text);
    std::string pattern(text.substr(0, options));
    pattern += "(?<!(?-i)" + wordClass + ")(?:";
    pattern += text.substr(options);
    pattern += endComment ? "\n\\E)" : "\\E)";
    return pattern + "(?!(?-i)" + wordClass + ")";
}

} // namespace varnex
