// Whole words: the characters words are made of, and the wrapper that admits a regular
// expression's match only where no word character touches it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace varnex {

// The characters whole words are made of, as the editor options define them.
struct WordTest {
    bool active = false;
    std::array<bool, 256> isWord{};

    // No word character right before `first` nor at `last`.
    bool Isolated(const std::uint8_t* text, int length, int first, int last) const {
        if (!active) return true;
        const bool wordBefore = first > 0 && isWord[text[first - 1]];
        const bool wordAfter = last < length && isWord[text[last]];
        return !wordBefore && !wordAfter;
    }
};

WordTest MakeWordTest(bool active, std::uint32_t editOptions);

// A character class of the bytes `isWord` marks, as runs of \xHH ranges.
std::string WordClass(const std::array<bool, 256>& isWord);

// The same for UTF-8 characters: the ASCII word characters, and from U+00C0 on all but general
// punctuation (U+2000..U+206F) and CJK symbols (U+3000..U+303F), as CharClassAt has it.
std::string Utf8WordClass(const std::array<bool, 256>& isWord);

// The pattern admitted only where no word character touches it. "\E" ends a \Q quote the
// pattern left open; the line break ends a (?x) comment that would swallow the closing part.
std::string WholeWordPattern(std::string_view text, const std::string& wordClass, bool endComment);

} // namespace varnex
