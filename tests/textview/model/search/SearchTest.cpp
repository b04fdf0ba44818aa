// The search engine: Windows-1252 case folding and letters, whole words, both directions,
// replacement references, bad patterns, PCRE2's table layout and the walks over a pane.
#include "textview/model/search/Search.h"

#include "tests/textview/support/SavedPaneGlobals.h"
#include "textview/model/document/PaneModel.h"
#include "textview/model/settings/EditOptions.h"
#include "textview/model/settings/TabWidth.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <gtest/gtest.h>

#include <cctype>
#include <clocale>
#include <string>
#include <utility>
#include <vector>

namespace varnex {
namespace {

using Range = std::pair<int, int>;
using Hit = std::pair<int, Range>; // line, bytes

constexpr std::uint32_t kPlain = 0;
constexpr std::uint32_t kRegex = SearchFlags::kRegex;
constexpr std::uint32_t kIgnoreCase = SearchFlags::kIgnoreCase;
constexpr std::uint32_t kWholeWords = SearchFlags::kWholeWords;

SearchPattern Compiled(std::string_view text, std::uint32_t flags, std::uint32_t options = 0) {
    auto compiled = SearchPattern::Compile(text, flags, TextEncoding::Windows1252, options);
    if (const auto* error = std::get_if<PatternError>(&compiled)) {
        ADD_FAILURE() << text << ": " << error->message;
        return {};
    }
    return std::get<SearchPattern>(compiled);
}

const std::uint8_t* Bytes(const std::string& text) {
    return reinterpret_cast<const std::uint8_t*>(text.data());
}

std::optional<Range> Forward(const SearchPattern& pattern, const std::string& line, int from = 0) {
    const auto match = pattern.FindForward(Bytes(line), static_cast<int>(line.size()), from);
    return match ? std::optional<Range>({match->first, match->last}) : std::nullopt;
}

std::optional<Range> Backward(const SearchPattern& pattern, const std::string& line, int before) {
    const auto match = pattern.FindBackward(Bytes(line), static_cast<int>(line.size()), before);
    return match ? std::optional<Range>({match->first, match->last}) : std::nullopt;
}

TEST(SearchCase, IgnoringCaseFoldsWindowsLetters) {
    const std::string line = "ein \xC4pfel"; // "ein Äpfel"
    for (const std::uint32_t engine : {kPlain, kRegex}) {
        EXPECT_EQ(Forward(Compiled("\xE4pfel", engine | kIgnoreCase), line), (Range{4, 9}));
        EXPECT_EQ(Forward(Compiled("\xE4pfel", engine), line), std::nullopt);
        for (const auto& [upper, lower] : {std::pair{"\x8A", "\x9A"},
                                           {"\x8C", "\x9C"},
                                           {"\x8E", "\x9E"},
                                           {"\x9F", "\xFF"},
                                           {"\xDE", "\xFE"}}) {
            EXPECT_EQ(Forward(Compiled(upper, engine | kIgnoreCase), lower), (Range{0, 1}));
            EXPECT_EQ(Forward(Compiled(lower, engine | kIgnoreCase), upper), (Range{0, 1}));
            EXPECT_EQ(Forward(Compiled(lower, engine), upper), std::nullopt);
        }
        // × and ÷ sit where a letter pair would, ß has no upper case in the code page.
        EXPECT_EQ(Forward(Compiled("\xD7", engine | kIgnoreCase), "\xF7"), std::nullopt);
        EXPECT_EQ(Forward(Compiled("\xDF", engine | kIgnoreCase), "\xFF\xBF\xDF"), (Range{2, 3}));
    }
}

TEST(SearchWholeWords, NoWordCharacterMayTouchTheMatch) {
    const std::string line = "cats cat_1 x\xE4"
                             "cat cat";
    for (const std::uint32_t engine : {kPlain, kRegex}) {
        EXPECT_EQ(Forward(Compiled("cat", engine | kWholeWords), line), (Range{17, 20}));
        EXPECT_EQ(
            Forward(Compiled("cat", engine | kWholeWords, EditOptions::kUnderscoreSeparates), line),
            (Range{5, 8}))
            << "the option makes '_' a separator";
        EXPECT_EQ(Backward(Compiled("cat", engine | kWholeWords), line, 17), std::nullopt);
    }
    EXPECT_EQ(Forward(Compiled("ab|abc", kRegex | kWholeWords), "abc"), (Range{0, 3}))
        << "another way to match at the same start is still tried";
    EXPECT_EQ(Forward(Compiled("(?x) ab # comment", kRegex | kWholeWords), "abc ab"),
              (Range{4, 6}));
    EXPECT_EQ(Forward(Compiled("a\\Qb", kRegex | kWholeWords), "ab"), (Range{0, 2}));
    EXPECT_EQ(Forward(Compiled("(*NO_JIT)cat", kRegex | kWholeWords), "cats cat"), (Range{5, 8}));
    EXPECT_EQ(Forward(Compiled("ab", kRegex | kWholeWords | kIgnoreCase), "\xFF"
                                                                          "ab\x9F"),
              std::nullopt);
    EXPECT_EQ(Forward(Compiled("AB", kRegex | kWholeWords | kIgnoreCase), "ab\x9F"), (Range{0, 2}))
        << "Ÿ is no word character even though ÿ is one";
}

TEST(SearchBackward, TheLastOfTheLinesMatchesStartingBeforeTheLimit) {
    for (const std::uint32_t flags : {kPlain, kRegex, kIgnoreCase}) {
        const SearchPattern pair = Compiled("aa", flags);
        EXPECT_EQ(Backward(pair, "aaaaa", 9), (Range{2, 4}));
        EXPECT_EQ(Backward(pair, "aaaaa", 2), (Range{0, 2})) << "the matches a forward walk finds";
        EXPECT_EQ(Backward(pair, "aaaaa", 3), (Range{2, 4})) << "it may run past the limit";
        EXPECT_EQ(Backward(pair, "aaaaa", 0), std::nullopt);
    }
    EXPECT_EQ(Backward(Compiled("\\d+", kRegex), "12 345", 6), (Range{3, 6}));
    EXPECT_EQ(Backward(Compiled("\\d+", kRegex), "12 345", 3), (Range{0, 2}));
    EXPECT_EQ(Backward(Compiled("x*", kRegex), "ab", 9), (Range{2, 2}));
}

TEST(SearchRegex, TheTextBeforeTheStartStaysVisible) {
    EXPECT_EQ(Forward(Compiled("(?<=a)b", kRegex), "ab", 1), (Range{1, 2}));
    EXPECT_EQ(Forward(Compiled("\\bb", kRegex), "ab b", 1), (Range{3, 4}));
    EXPECT_EQ(Forward(Compiled("^b", kRegex), "bb", 1), std::nullopt);
    EXPECT_EQ(Forward(Compiled("\\w+", kRegex), "-\xC4\xDF\xFF"
                                                "1_\xD7"),
              (Range{1, 6}));
}

TEST(SearchRegex, ReplacementReferences) {
    const std::string line = "mail bob@example";
    const SearchPattern pattern = Compiled("(\\w+)@(\\w+)|(x)", kRegex);
    const auto match = pattern.FindForward(Bytes(line), static_cast<int>(line.size()), 0);
    ASSERT_TRUE(match);
    EXPECT_EQ(pattern.Expand("$2 at $1 ($0)", Bytes(line), *match), "example at bob (bob@example)");
    EXPECT_EQ(pattern.Expand("${2}9 $$1 [$3]", Bytes(line), *match), "example9 $1 []");
    EXPECT_EQ(pattern.Expand("$4 ${12} ${123} ${x} ${1 $", Bytes(line), *match),
              "$4 ${12} ${123} ${x} ${1 $")
        << "unknown groups and malformed references stay as written";
    EXPECT_EQ(Compiled("bob", kPlain).Expand("$0 $$", Bytes(line), *match), "$0 $$");
}

TEST(SearchRegex, ABadPatternReportsWhereAndWhy) {
    for (const auto& [text, offset] : {std::pair{"ab(c", 4}, {"x)y", 1}, {"[z-a]", 3}}) {
        for (const std::uint32_t flags : {kRegex, kRegex | kWholeWords}) {
            auto compiled = SearchPattern::Compile(text, flags, TextEncoding::Windows1252, 0);
            const auto* error = std::get_if<PatternError>(&compiled);
            ASSERT_NE(error, nullptr) << text;
            EXPECT_EQ(error->offset, offset) << text;
            EXPECT_FALSE(error->message.empty());
        }
    }
    EXPECT_TRUE(std::holds_alternative<PatternError>(
        SearchPattern::Compile("(*UTF)a", kRegex, TextEncoding::Windows1252, 0)))
        << "bytes stay bytes";
    EXPECT_TRUE(std::holds_alternative<SearchPattern>(
        SearchPattern::Compile("ab(c", kPlain, TextEncoding::Windows1252, 0)));
}

TEST(SearchRegex, APlainWordHasNoSpecialCharacter) {
    EXPECT_TRUE(Compiled("a.b(c", kPlain).IsPlainWord());
    EXPECT_TRUE(Compiled("Wort-1 \xE4", kRegex).IsPlainWord());
    for (const char* special :
         {"a\\d", "^a", "a$", "a.", "a|b", "a?", "a*", "a+", "(a)", "[a]", "a{2}"})
        EXPECT_FALSE(Compiled(special, kRegex).IsPlainWord()) << special;
}

ByteTraits CLibraryTraits(std::uint8_t byte) {
    const int c = byte;
    ByteTraits traits;
    traits.toLower = static_cast<std::uint8_t>(std::tolower(c));
    traits.toUpper = static_cast<std::uint8_t>(std::toupper(c));
    traits.upper = std::isupper(c);
    traits.lower = std::islower(c);
    traits.alpha = std::isalpha(c);
    traits.digit = std::isdigit(c);
    traits.xdigit = std::isxdigit(c);
    traits.space = std::isspace(c);
    traits.graph = std::isgraph(c);
    traits.print = std::isprint(c);
    traits.punct = std::ispunct(c);
    traits.cntrl = std::iscntrl(c);
    return traits;
}

// The character type functions in the "C" locale for a scope.
class CLocale {
public:
    CLocale() : saved_(std::setlocale(LC_CTYPE, nullptr)) { std::setlocale(LC_CTYPE, "C"); }
    ~CLocale() { std::setlocale(LC_CTYPE, saved_.c_str()); }

private:
    std::string saved_;
};

// Whether table byte `at` describes a byte below 128: 256 lower-case and 256 case-flip bytes,
// ten 32-byte class bitmaps, then 256 type bytes.
bool DescribesAscii(std::size_t at) {
    if (at < 512) return at % 256 < 128;
    if (at < 832) return (at - 512) % 32 < 16;
    return at - 832 < 128;
}

TEST(SearchTables, LaidOutAsTheLibraryLaysThemOut) {
    const CLocale locale;
    const std::uint8_t* tables = pcre2_maketables(nullptr);
    ASSERT_NE(tables, nullptr);
    const std::vector<std::uint8_t> library(tables, tables + 1088);
    pcre2_maketables_free(nullptr, tables);
    EXPECT_EQ(MakeRegexTables(CLibraryTraits), library);
    const std::vector<std::uint8_t> windows = MakeRegexTables(Windows1252Traits);
    ASSERT_EQ(windows.size(), library.size());
    for (std::size_t at = 0; at < windows.size(); ++at) {
        if (DescribesAscii(at)) {
            EXPECT_EQ(windows[at], library[at]) << "table byte " << at;
        }
    }
}

bool Matches(const SearchPattern& pattern, int byte) {
    return Forward(pattern, std::string(1, static_cast<char>(byte))).has_value();
}

TEST(SearchTables, WindowsLettersAreLetters) {
    const SearchPattern word = Compiled("\\w", kRegex);
    const SearchPattern alpha = Compiled("[[:alpha:]]", kRegex);
    const SearchPattern alnum = Compiled("[[:alnum:]]", kRegex);
    for (const int letter : {0x83, 0x8A, 0x8C, 0x8E, 0x9A, 0x9C, 0x9E, 0x9F, 0xAA, 0xB5, 0xBA, 0xC0,
                             0xD6, 0xD8, 0xDF, 0xE4, 0xF6, 0xF8, 0xFF}) {
        EXPECT_TRUE(Matches(word, letter) && Matches(alpha, letter) && Matches(alnum, letter))
            << std::hex << letter;
    }
    for (const int other : {0x80, 0x88, 0x8B, 0x98, 0xA0, 0xA7, 0xB2, 0xD7, 0xF7}) {
        EXPECT_FALSE(Matches(word, other) || Matches(alpha, other) || Matches(alnum, other))
            << std::hex << other;
    }
    EXPECT_EQ(Forward(Compiled("\\b\\w+\\b", kRegex), "(\xC4pfel\xD7z)"), (Range{1, 6}));
    EXPECT_TRUE(Matches(Compiled("\\s", kRegex), 0xA0)) << "the no-break space is white space";
}

class SearchDocument : public test::PaneGlobalsTest {
protected:
    void SetUp() override { TabWidth::Set(4); }

    void Fill(const std::vector<std::string>& lines) {
        for (const std::string& line : lines)
            document.SetLine(Bytes(line), document.LineCount(), static_cast<int>(line.size()), 0);
    }

    std::optional<Hit> Find(const SearchPattern& pattern, TextPosition from, bool backwards) {
        const auto hit = FindInDocument(document, pattern, from, backwards);
        return hit ? std::optional<Hit>({hit->line, {hit->bytes.first, hit->bytes.last}})
                   : std::nullopt;
    }

    std::vector<Hit> All(const SearchPattern& pattern, int first, int last) {
        std::vector<Hit> hits;
        for (const TextMatch& match : FindAll(document, pattern, first, last))
            hits.push_back({match.line, {match.bytes.first, match.bytes.last}});
        return hits;
    }

    PaneModel document{256, 100, 0, "SearchTest"};
};

TEST_F(SearchDocument, ForwardFromTheCaretWithoutWrapping) {
    Fill({"word", "\tword word", "none"});
    const SearchPattern word = Compiled("word", kPlain);
    EXPECT_EQ(Find(word, {4, 1}, false), (Hit{1, {1, 5}})) << "column 4 is right after the tab";
    EXPECT_EQ(Find(word, {5, 1}, false), (Hit{1, {6, 10}}));
    EXPECT_EQ(Find(word, {2, 1}, false), (Hit{1, {1, 5}})) << "inside the tab: after it";
    EXPECT_EQ(Find(word, {10, 1}, false), std::nullopt) << "no wrap to the first line";
    EXPECT_EQ(Find(word, {0, 3}, false), std::nullopt);
}

TEST_F(SearchDocument, AnEmptyMatchAtTheCaretIsSteppedOver) {
    Fill({"ab", "", "c"});
    const SearchPattern lineEnd = Compiled("$", kRegex);
    EXPECT_EQ(Find(lineEnd, {0, 0}, false), (Hit{0, {2, 2}}));
    EXPECT_EQ(Find(lineEnd, {2, 0}, false), (Hit{1, {0, 0}}));
    EXPECT_EQ(Find(lineEnd, {0, 1}, false), (Hit{2, {1, 1}}));
    EXPECT_EQ(Find(Compiled("b*", kRegex), {1, 0}, false), (Hit{0, {1, 2}}))
        << "a match that is not empty may start at the caret";
}

TEST_F(SearchDocument, BackwardBeforeTheCaret) {
    Fill({"word", "\tword word", "none"});
    const SearchPattern word = Compiled("word", kPlain);
    EXPECT_EQ(Find(word, {9, 1}, true), (Hit{1, {1, 5}}));
    EXPECT_EQ(Find(word, {4, 1}, true), (Hit{0, {0, 4}}))
        << "a match at the caret is not before it";
    EXPECT_EQ(Find(word, {0, 0}, true), std::nullopt);
    EXPECT_EQ(Find(word, {0, 3}, true), (Hit{1, {6, 10}})) << "from the end of the text";
    EXPECT_EQ(Find(Compiled("$", kRegex), {9, 2}, true), (Hit{2, {4, 4}}))
        << "a caret past the line's end stands after it";
    EXPECT_EQ(Find(Compiled("$", kRegex), {4, 2}, true), (Hit{1, {10, 10}}));
}

TEST_F(SearchDocument, FindAllInTextOrderWithinTheLines) {
    Fill({"aaaaa", "xaax", "", "aa"});
    EXPECT_EQ(All(Compiled("aa", kPlain), 0, 3),
              (std::vector<Hit>{{0, {0, 2}}, {0, {2, 4}}, {1, {1, 3}}, {3, {0, 2}}}));
    EXPECT_EQ(All(Compiled("AA", kIgnoreCase), -5, 99).size(), 4u) << "lines clamped";
    EXPECT_EQ(All(Compiled("x*", kRegex), 1, 2),
              (std::vector<Hit>{
                  {1, {0, 1}}, {1, {1, 1}}, {1, {2, 2}}, {1, {3, 4}}, {1, {4, 4}}, {2, {0, 0}}}))
        << "empty matches move on by one byte";
}

} // namespace
} // namespace varnex
