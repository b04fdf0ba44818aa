// Searching a UTF-8 pane: characters, Unicode case folding and word boundaries, in both engines.
#include "tests/textview/support/FakePlatform.h"
#include "tests/textview/support/SavedPaneGlobals.h"
#include "textview/model/search/Search.h"
#include "textview/model/settings/EditOptions.h"
#include "textview/model/settings/TabWidth.h"

#include <gtest/gtest.h>

#include <string>

namespace varnex {
namespace {

using Range = std::pair<int, int>;

constexpr std::uint32_t kPlain = 0;
constexpr std::uint32_t kRegex = SearchFlags::kRegex;
constexpr std::uint32_t kIgnoreCase = SearchFlags::kIgnoreCase;
constexpr std::uint32_t kWholeWords = SearchFlags::kWholeWords;

const std::string kAttackingUpper = "\xD0\x90\xD0\xA2\xD0\x90\xD0\x9A\xD0\xA3\xD0\xAE\xD0\xA9"
                                    "\xD0\x98\xD0\x99"; // "АТАКУЮЩИЙ"
const std::string kAttacking = "\xD0\xB0\xD1\x82\xD0\xB0\xD0\xBA\xD1\x83\xD1\x8E\xD1\x89"
                               "\xD0\xB8\xD0\xB9";     // "атакующий"
const std::string kPeace = "\xD0\xBC\xD0\xB8\xD1\x80"; // "мир"

std::optional<Range> Forward(std::string_view pattern, std::uint32_t flags, const std::string& line,
                             TextEncoding encoding) {
    auto compiled = SearchPattern::Compile(pattern, flags, encoding, 0);
    const auto* search = std::get_if<SearchPattern>(&compiled);
    if (!search) {
        ADD_FAILURE() << std::get<PatternError>(compiled).message;
        return std::nullopt;
    }
    const auto match = search->FindForward(reinterpret_cast<const std::uint8_t*>(line.data()),
                                           static_cast<int>(line.size()), 0);
    return match ? std::optional<Range>({match->first, match->last}) : std::nullopt;
}

TEST(Utf8Search, IgnoringCaseFoldsUnicodeLettersInBothEngines) {
    const std::string line = "\xFF (" + kAttacking + ")"; // a stray byte first
    const Range expected{2, 4 + static_cast<int>(kAttacking.size())};
    for (const std::uint32_t engine : {kPlain, kRegex}) {
        const std::string pattern =
            engine == kRegex ? "\\(" + kAttackingUpper + "\\)" : "(" + kAttackingUpper + ")";
        EXPECT_EQ(Forward(pattern, engine | kIgnoreCase, line, TextEncoding::Utf8), expected)
            << "engine " << engine;
        EXPECT_EQ(Forward(pattern, engine, line, TextEncoding::Utf8), std::nullopt);
        EXPECT_EQ(Forward(pattern, engine | kIgnoreCase, line, TextEncoding::Windows1252),
                  std::nullopt)
            << "Windows-1252 knows no Cyrillic case pairs";
    }
    EXPECT_EQ(Forward(".", kRegex, kPeace, TextEncoding::Utf8), (Range{0, 2})) << "one character";
}

TEST(Utf8Search, WholeWordsSeeLettersBeyondAscii) {
    // "ямир мир": the last byte of я is no letter in Windows-1252, but я is one.
    const std::string line = "\xD1\x8F" + kPeace + " " + kPeace;
    const int second = static_cast<int>(line.size() - kPeace.size());
    for (const std::uint32_t engine : {kPlain, kRegex}) {
        EXPECT_EQ(Forward(kPeace, engine | kWholeWords, line, TextEncoding::Utf8),
                  (Range{second, second + 6}))
            << "engine " << engine;
    }
}

TEST(Utf8Search, APaneSelectsTheHitAsWholeCharacters) {
    test::SavedPaneGlobals saved;
    TabWidth::Set(4);
    test::EditedPane pane(
        {"\xD0\xBC\xD1\x8B " + kAttacking + " \xE4\xB8\xAD"}); // "мы атакующий 中"
    pane.editor.SetEncoding(TextEncoding::Utf8);
    pane.editor.SetSearchFlags(kIgnoreCase, SearchFlags::kDialogMask);
    ASSERT_TRUE(pane.editor.Search(kAttackingUpper).found);
    EXPECT_EQ(pane.editor.Caret().SelectionStart(), (TextPosition{3, 0}));
    EXPECT_EQ(pane.editor.Caret().SelectionEnd(), (TextPosition{12, 0}));
}

} // namespace
} // namespace varnex
