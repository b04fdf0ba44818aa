// The pattern menu's elements: each one, completed at its caret as a user would, compiles with
// the search engine and finds what its tool tip promises.
#include "textview/model/search/PatternElements.h"

#include "textview/model/search/Search.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace varnex {
namespace {

struct Example {
    int code;
    std::string typed; // what the user types at the caret, and after the "|" that follows
    std::string line;  // Windows-1252 bytes
    std::pair<int, int> found;
};

const Example kExamples[] = {
    {1, "", "x", {0, 1}},
    {2, "", "abc", {0, 3}},
    {3, "", "\x84\xC4pfel\x93", {1, 6}}, // „Äpfel“
    {4, "", "Jahr 2024", {5, 9}},
    {5, "", "a \t b", {1, 4}},
    {6, "", "ab", {0, 0}},
    {7, "", "ab", {0, 0}},
    {8, "", "ab", {2, 2}},
    {9, "", "x42", {1, 2}},
    {10, "", "-\xE4", {1, 2}},
    {11, "", "  Wort", {2, 2}},
    {12, "", "Wort  ", {4, 4}},
    {13, "", "1\xDF", {1, 2}},
    {14, "aeiou", "xyzo", {3, 4}},
    {15, "+-", "-5", {0, 1}},
    {16, "rot|gr\xFCn", "ein gr\xFCner", {4, 8}}, // grün
    {17, "0-9", "12a", {2, 3}},
    {18, "ab|cd", "xxabyy", {0, 2}},
    {19, "", "ab-", {0, 2}},
    {20, "", "-_", {1, 2}},
    {21, "", "-", {0, 0}},
};

std::string Completed(const PatternElement& element, const std::string& typed) {
    std::string pattern(element.syntax);
    const auto caret = static_cast<std::size_t>(element.caretOffset);
    const std::size_t bar = typed.find('|');
    if (bar != std::string::npos) {
        pattern.insert(pattern.find('|', caret) + 1, typed.substr(bar + 1));
    }
    pattern.insert(caret, typed.substr(0, bar));
    return pattern;
}

bool IsUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const std::size_t length = lead < 0x80 ? 1 : lead >> 5 == 6 ? 2 : lead >> 4 == 14 ? 3 : 0;
        if (length == 0 || at + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[at + k]) & 0xC0) != 0x80) return false;
        }
        at += length;
    }
    return true;
}

TEST(PatternElements, EveryElementFindsWhatItsTipPromises) {
    for (const Example& example : kExamples) {
        const PatternElement* element = FindPatternElement(example.code);
        ASSERT_NE(element, nullptr) << example.code;
        EXPECT_EQ(element->code, example.code);
        ASSERT_LE(element->caretOffset, static_cast<int>(element->syntax.size())) << example.code;
        EXPECT_TRUE(IsUtf8(element->description) && !element->description.empty()) << example.code;
        const std::string pattern = Completed(*element, example.typed);
        auto compiled =
            SearchPattern::Compile(pattern, SearchFlags::kRegex, TextEncoding::Windows1252, 0);
        ASSERT_TRUE(std::holds_alternative<SearchPattern>(compiled)) << pattern;
        const auto match = std::get<SearchPattern>(compiled).FindForward(
            reinterpret_cast<const std::uint8_t*>(example.line.data()),
            static_cast<int>(example.line.size()), 0);
        ASSERT_TRUE(match.has_value()) << pattern;
        EXPECT_EQ((std::pair{match->first, match->last}), example.found) << pattern;
    }
}

TEST(PatternElements, OnlyTheMenusCodesExist) {
    EXPECT_EQ(FindPatternElement(0), nullptr);
    EXPECT_EQ(FindPatternElement(22), nullptr);
    EXPECT_EQ(FindPatternElement(-1), nullptr);
}

} // namespace
} // namespace varnex
