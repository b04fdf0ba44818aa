// Character classes, the word-stop mask the options make, word jumps and the word scan.
#include "tests/textview/support/FakePlatform.h"
#include "textview/model/editor/CharClass.h"
#include "textview/model/editor/WordJump.h"
#include "textview/model/settings/EditOptions.h"
#include "textview/model/settings/TabWidth.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace varnex {
namespace {

using test::EditedPane;

TEST(CharClass, WindowsLettersDigitsAndTheRest) {
    EXPECT_EQ(CharClassOf(' '), CharClass::Blank);
    EXPECT_EQ(CharClassOf(0x00), CharClass::Blank);
    EXPECT_EQ(CharClassOf('7'), CharClass::Lower) << "digits join words";
    EXPECT_EQ(CharClassOf('_'), CharClass::Underscore);
    EXPECT_EQ(CharClassOf('`'), CharClass::Punctuation);
    EXPECT_EQ(CharClassOf(0xBF), CharClass::Punctuation);
    EXPECT_EQ(CharClassOf(0xC4), CharClass::Upper) << "Ä";
    EXPECT_EQ(CharClassOf(0xDC), CharClass::Upper) << "Ü";
    EXPECT_EQ(CharClassOf(0xDF), CharClass::Lower) << "ß";
    EXPECT_EQ(CharClassOf(0xE4), CharClass::Lower) << "ä";
}

TEST(WordStopMask, TheOptionsAddAndRemoveStops) {
    EXPECT_EQ(WordStopMaskFor(0), kDefaultWordStopMask);
    EXPECT_EQ(WordStopMaskFor(EditOptions::kStopAtOthers), 0x318FBEu);
    EXPECT_EQ(WordStopMaskFor(EditOptions::kUnderscoreSeparates), 0x73E318u);
    EXPECT_EQ(WordStopMaskFor(EditOptions::kUnderscoreSeparates | EditOptions::kStopAtOthers),
              0x73E73Eu);
    EXPECT_EQ(WordStopMaskFor(EditOptions::kStopAtCaseChange), 0x318F9Cu | 0x84000u);
    EXPECT_EQ(WordStopMaskFor(EditOptions::kStopAtCaseChange | EditOptions::kStopAtRunStart),
              (0x318F9Cu | 0x84000u) & 0x8639Eu);
    EXPECT_TRUE(StopsBetween(kDefaultWordStopMask, CharClass::Lower, CharClass::Blank));
    EXPECT_FALSE(StopsBetween(kDefaultWordStopMask, CharClass::Lower, CharClass::Upper));
    EXPECT_TRUE(IsWordCharacter('_', 0));
    EXPECT_FALSE(IsWordCharacter('_', EditOptions::kUnderscoreSeparates));
    EXPECT_FALSE(IsWordCharacter('.', 0));
}

std::vector<int> StopsRight(const std::string& line, std::uint32_t options) {
    EditedPane pane({line});
    std::vector<int> stops;
    TextPosition at{0, 0};
    while (const auto next = WordJumpRight(pane.document, at, WordStopMaskFor(options))) {
        if (next->line != 0) break;
        stops.push_back(next->column);
        at = *next;
    }
    return stops;
}

TEST(WordJump, RightStopsFollowTheOptions) {
    EXPECT_EQ(StopsRight("foo_bar baz", 0), (std::vector<int>{7, 8, 11}));
    EXPECT_EQ(StopsRight("foo_bar baz", EditOptions::kUnderscoreSeparates),
              (std::vector<int>{3, 4, 7, 8, 11}));
    EXPECT_EQ(StopsRight("camelCase", EditOptions::kStopAtCaseChange), (std::vector<int>{5, 9}));
    EXPECT_EQ(StopsRight("camelCase", 0), (std::vector<int>{9}));
}

TEST(WordJump, LeftStopsAndLineEnds) {
    TabWidth::Set(4);
    EditedPane pane({"first", "foo_bar baz", "\tx"});
    const std::uint32_t mask = kDefaultWordStopMask;
    EXPECT_EQ(WordJumpLeft(pane.document, {11, 1}, mask), (TextPosition{8, 1}));
    EXPECT_EQ(WordJumpLeft(pane.document, {8, 1}, mask), (TextPosition{7, 1}));
    EXPECT_EQ(WordJumpLeft(pane.document, {7, 1}, mask), (TextPosition{0, 1}));
    EXPECT_EQ(WordJumpLeft(pane.document, {0, 1}, mask), (TextPosition{5, 0}));
    EXPECT_EQ(WordJumpLeft(pane.document, {0, 0}, mask), (TextPosition{0, 0}));
    EXPECT_EQ(WordJumpLeft(pane.document, {5, 2}, mask), (TextPosition{4, 2})) << "tabs in columns";
    EXPECT_EQ(WordJumpRight(pane.document, {5, 0}, mask), (TextPosition{0, 1}));
    EXPECT_FALSE(WordJumpRight(pane.document, {0, 3}, mask).has_value());
}

TEST(WordScan, WordsRunsAndBlanks) {
    const std::string text = "x = foo_bar.. ok";
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    const int length = static_cast<int>(text.size());
    constexpr TextEncoding kCp1252 = TextEncoding::Windows1252;
    EXPECT_EQ(WordUnder(bytes, length, 6, 0, kCp1252), (ByteRange{4, 11}));
    EXPECT_EQ(WordUnder(bytes, length, 6, EditOptions::kUnderscoreSeparates, kCp1252),
              (ByteRange{4, 7}));
    EXPECT_EQ(WordUnder(bytes, length, 12, 0, kCp1252), (ByteRange{11, 13}))
        << "a run of punctuation";
    EXPECT_FALSE(WordUnder(bytes, length, 1, 0, kCp1252).has_value()) << "blanks select nothing";
    EXPECT_FALSE(WordUnder(bytes, length, length, 0, kCp1252).has_value());
    EXPECT_EQ(WordTouching(bytes, length, 11, 0, kCp1252), (ByteRange{4, 11}))
        << "a word before the index";
    EXPECT_EQ(WordTouching(bytes, length, 13, 0, kCp1252), (ByteRange{13, 13}));
}

} // namespace
} // namespace varnex
