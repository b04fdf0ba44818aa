// The configured scanner on the inputs that trip up line-by-line colouring: regions that span or
// end mid-line, escapes, keyword prefixes, cut lines, and configurations it cannot read.
#include "textview/model/syntax/ConfiguredScanner.h"
#include "textview/model/document/TextLine.h"
#include "textview/model/settings/StyleTable.h"
#include "textview/model/syntax/SyntaxText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace varnex {
namespace {

using namespace std::string_literals;

// One letter per byte: what the test reads from the style indices.
constexpr char kLetters[] = ".ksnpob12";

SyntaxTexts CTexts() {
    SyntaxTexts texts;
    texts.numbers = "0-9A-Za-z._";
    texts.separators = "+-*/%=<>!&|^~?:;,.";
    texts.bracketOn = "([{";
    texts.bracketOff = ")]}";
    texts.groups[0] = "int if return";
    texts.groups[1] = "char";
    texts.until = "comment /* */ lines | comment // escape=\\ | string \" \" escape=\\ | "
                  "string ' ' escape=\\";
    texts.fixed = "preprocessor # word indent";
    texts.colorArray = "comment=11 string=12 number=13 preprocessor=14 operator=15 bracket=16 "
                       "group1=17 group2=18";
    return texts;
}

// Style ids 11..18 get indices 1..8 in the order of the token classes after Text.
class ScannerTest : public testing::Test {
protected:
    void SetUp() override { Use(CTexts()); }

    void Use(const SyntaxTexts& texts) {
        StyleTable styles;
        for (int id = 11; id <= 18; ++id)
            styles.Add(0, 0, "", static_cast<std::uint32_t>(id), 0);
        scanner_ = std::make_unique<ConfiguredScanner>(ParseSyntaxConfig(texts));
        scanner_->BindStyles(styles);
    }

    // Scans the lines in order, carrying the state, and returns each line's classes as letters.
    std::vector<std::string> Scan(const std::vector<std::string>& lines) {
        std::vector<std::string> classes;
        std::uint8_t state = 0;
        states_.clear();
        for (const std::string& text : lines) {
            TextLinePtr line =
                TextLine::Make(reinterpret_cast<const std::uint8_t*>(text.data()),
                               static_cast<int>(text.size()), 4, TextEncoding::Windows1252);
            scanner_->ScanLine(*line, state);
            state = line->scanB;
            states_.push_back(state);
            std::string letters;
            for (int i = 0; i < line->Length(); ++i)
                letters += line->Styles() ? kLetters[line->Styles()[i]] : '.';
            classes.push_back(letters);
        }
        return classes;
    }

    std::unique_ptr<ConfiguredScanner> scanner_;
    std::vector<std::uint8_t> states_;
};

TEST_F(ScannerTest, BlockCommentSpansLinesAndEndsMidLine) {
    const auto classes = Scan({"int a; /* one\n", "two\n", "three */ int b;\n", "int c;\n"});
    EXPECT_EQ(classes[0], "111..o.kkkkkkk");
    EXPECT_EQ(classes[1], "kkkk");
    EXPECT_EQ(classes[2], "kkkkkkkk.111..o.");
    EXPECT_EQ(classes[3], "111..o.");
    EXPECT_NE(states_[0], 0);
    EXPECT_NE(states_[1], 0);
    EXPECT_EQ(states_[2], 0);
}

TEST_F(ScannerTest, StringsEndAtTheirQuoteNotAtAnEscapedOne) {
    EXPECT_EQ(Scan({R"(char* s = "a\"b"; 'x')"})[0], "2222o...o.sssssso.sss");
    // A doubled escape ends the string; a string never runs on to the next line.
    EXPECT_EQ(Scan({R"(x = "\\"; y)"})[0], "..o.sssso..");
    EXPECT_EQ(Scan({"\"open\n", "int\n"})[1], "111.");
}

TEST_F(ScannerTest, KeywordsAreWholeWordsOnly) {
    EXPECT_EQ(Scan({"interior if_x ifx if("})[0], std::string(18, '.') + "11b");
    EXPECT_EQ(Scan({"x = 0x1Fu + 1.5e-3 + .5;"})[0], "..o.nnnnn.o.nnnnnn.o.nno");
}

TEST_F(ScannerTest, LineRulesColourThePrefixAndItsWordAfterIndent) {
    EXPECT_EQ(Scan({"  #  include <a.h> // c"})[0], "..pppppppppp.o.o.o.kkkk");
}

TEST_F(ScannerTest, ALineCutInsideACommentEndsItsLineCommentButCarriesABlockComment) {
    // The loader hands the scanner at most 2047 bytes of a line, without its line end.
    const std::string lineComment = "// " + std::string(2044, 'x');
    auto classes = Scan({lineComment, "int c;\n"});
    EXPECT_EQ(classes[0], std::string(2047, 'k'));
    EXPECT_EQ(classes[1], "111..o.");
    const std::string blockComment = "int /* " + std::string(2040, 'x');
    classes = Scan({blockComment, "x */ int\n"});
    EXPECT_EQ(classes[0], "111." + std::string(2043, 'k'));
    EXPECT_EQ(classes[1], "kkkk.111.");
}

TEST_F(ScannerTest, ConfigurationsWithoutRulesOrStylesLeaveTextInTheStandardStyle) {
    Use(SyntaxTexts{});
    EXPECT_EQ(Scan({"int /* x */ \"s\" 42;\n"})[0], std::string(20, '.'));
    EXPECT_EQ(states_[0], 0);
    // A style id the table lacks draws in the standard style rather than another style.
    SyntaxTexts texts = CTexts();
    texts.colorArray = "comment=99 group1=17";
    Use(texts);
    EXPECT_EQ(Scan({"int // c"})[0], "111.....");
}

TEST_F(ScannerTest, UsedStylesAndBracketsComeFromTheConfiguration) {
    const std::optional<std::bitset<256>> used = scanner_->UsedStyles();
    ASSERT_TRUE(used);
    EXPECT_TRUE(used->test(0));
    EXPECT_TRUE(used->test(1)) << "comment";
    EXPECT_TRUE(used->test(7)) << "group1";
    EXPECT_FALSE(used->test(9));
    const std::optional<BracketRules> brackets = scanner_->Brackets();
    ASSERT_TRUE(brackets);
    EXPECT_EQ(brackets->table.opening[0], '(');
    EXPECT_EQ(brackets->table.closing[2], '}');
    // Brackets inside comments and strings are not matched.
    EXPECT_EQ(brackets->excludedStyles & 0xFFu, 11u);
    EXPECT_EQ((brackets->excludedStyles >> 8) & 0xFFu, 12u);
}

TEST(SyntaxTextTest, ByteSetsRulesAndColourPairsReadWhatTheyCanAndSkipTheRest) {
    const ByteSet set = ParseByteSet("a-c _ -");
    EXPECT_TRUE(set['a'] && set['b'] && set['c'] && set['_'] && set['-']);
    EXPECT_EQ(set.count(), 5u);
    EXPECT_EQ(ParseByteSet("+-*/").count(), 4u) << "no range runs downwards";
    const std::vector<RegionRule> regions =
        ParseRegionRules("comment /* */ lines | bogus x y | string \" \" escape=\\\0"
                         "comment # blank"s);
    ASSERT_EQ(regions.size(), 3u);
    EXPECT_TRUE(regions[0].spansLines);
    EXPECT_EQ(regions[1].escape, '\\');
    EXPECT_EQ(regions[2].end, "");
    EXPECT_EQ(regions[2].where, RegionStart::AfterBlank);
    const auto ids = ParseColorArray("comment=3 string=300 number=x group5=7");
    EXPECT_EQ(ids[static_cast<std::size_t>(TokenClass::Comment)], 3);
    EXPECT_EQ(ids[static_cast<std::size_t>(TokenClass::String)], 0);
    EXPECT_EQ(ids[static_cast<std::size_t>(TokenClass::Group5)], 7);
}

} // namespace
} // namespace varnex
