// Tests of grapheme clusters: where each one ends and how many cells it takes, over real text.
#include "common/Graphemes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace varnex {
namespace {

const std::uint8_t* Bytes(const std::string& text) {
    return reinterpret_cast<const std::uint8_t*>(text.data());
}

struct Step {
    int bytes;
    int cells;
    bool operator==(const Step&) const = default;
};

std::vector<Step> Steps(const std::string& text, TextEncoding encoding) {
    std::vector<Step> steps;
    const int length = static_cast<int>(text.size());
    for (int at = 0; at < length;) {
        const TextCluster cluster = ClusterAt(Bytes(text), length, at, encoding);
        steps.push_back({cluster.bytes, cluster.cells});
        at += cluster.bytes;
    }
    return steps;
}

void PrintTo(const Step& step, std::ostream* out) {
    *out << "{" << step.bytes << "," << step.cells << "}";
}

struct ClusterCase {
    const char* what;
    std::string text;
    std::vector<Step> steps;
};

TEST(GraphemesTest, ClustersAndTheirCellsInUtf8) {
    const ClusterCase cases[] = {
        {"ASCII", "ab\t", {{1, 1}, {1, 1}, {1, 1}}},
        {"e with combining acute, then ü precomposed", "e\u0301\u00FC", {{3, 1}, {2, 1}}},
        {"a with two marks stacked", "a\u0323\u0302b", {{5, 1}, {1, 1}}},
        {"Devanagari ki: consonant with vowel sign", "\u0915\u093F", {{6, 1}}},
        {"Hangul syllable and the same as jamo", "\uD55C\u1112\u1161\u11AB", {{3, 2}, {9, 2}}},
        {"thumbs up with a skin tone", "\U0001F44D\U0001F3FD", {{8, 2}}},
        {"family joined by ZWJ", "\U0001F468\u200D\U0001F469\u200D\U0001F467", {{18, 2}}},
        {"two flags", "\U0001F1E9\U0001F1EA\U0001F1EF\U0001F1F5", {{8, 2}, {8, 2}}},
        {"heart with emoji presentation selector", "\u2764\uFE0Fx", {{6, 2}, {1, 1}}},
        {"byte-order mark, then text", "\uFEFFa", {{3, 0}, {1, 1}}},
        {"a mark without a base stays visible", "\u0301a", {{2, 1}, {1, 1}}},
        {"stray byte, then a cut sequence", "a\x80\xE6\x97", {{1, 1}, {1, 1}, {1, 1}, {1, 1}}},
        {"control character", "\x01\xC3\xA4", {{1, 1}, {2, 1}}},
    };
    for (const ClusterCase& c : cases)
        EXPECT_EQ(Steps(c.text, TextEncoding::Utf8), c.steps) << c.what;
}

TEST(GraphemesTest, EastAsianWideCharactersTakeTwoCells) {
    const auto cells = [](char32_t code) {
        std::string text;
        AppendUtf8(text, code);
        return ClusterAt(Bytes(text), static_cast<int>(text.size()), 0, TextEncoding::Utf8).cells;
    };
    for (const char32_t wide : {U'日', U'한', U'カ', U'Ａ', U'😀', U'\U00020000'})
        EXPECT_EQ(cells(wide), 2) << static_cast<int>(wide);
    for (const char32_t narrow : {U'a', U'а', U'é', U'€', U'ｱ', U'\u303F', U'\u2E7F'})
        EXPECT_EQ(cells(narrow), 1) << static_cast<int>(narrow);
}

TEST(GraphemesTest, Windows1252IsOneCellAByte) {
    EXPECT_EQ(Steps("e\xCC\x81\x80", TextEncoding::Windows1252),
              (std::vector<Step>{{1, 1}, {1, 1}, {1, 1}, {1, 1}}));
    EXPECT_EQ(ClusterAt(Bytes("\x80"), 1, 0, TextEncoding::Windows1252).first, U'€');
}

TEST(GraphemesTest, StartsAndInvalidBytes) {
    const std::string text = "ab\u0301c\U0001F44D\U0001F3FDd\x80";
    const int length = static_cast<int>(text.size());
    const int starts[] = {0, 1, 1, 1, 4, 5, 5, 5, 5, 5, 5, 5, 5, 13, 14};
    ASSERT_EQ(std::size(starts), text.size());
    for (int index = 0; index < length; ++index)
        EXPECT_EQ(ClusterStart(Bytes(text), length, index, TextEncoding::Utf8), starts[index])
            << index;
    EXPECT_TRUE(ClusterAt(Bytes(text), length, 14, TextEncoding::Utf8).invalid);
    EXPECT_FALSE(ClusterAt(Bytes(text), length, 5, TextEncoding::Utf8).invalid);
    EXPECT_EQ(ClusterAt(Bytes(text), length, 14, TextEncoding::Utf8).first, U'€');
}

} // namespace
} // namespace varnex
