// The host operations on a pane's text: SetLine with conversions and limits, SetLineStyles, Clear.
#include "textview/model/document/PaneModel.h"
#include "tests/textview/support/SavedPaneGlobals.h"
#include "textview/model/settings/TabWidth.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace varnex {
namespace {

const std::uint8_t* Bytes(const std::string& text) {
    return reinterpret_cast<const std::uint8_t*>(text.data());
}

int Set(PaneModel& pane, const std::string& text, int index, int flags = 0) {
    return pane.SetLine(Bytes(text), index, static_cast<int>(text.size()), flags);
}

std::string TextOf(const PaneModel& pane, int index) {
    const TextLine* line = pane.GetLine(index);
    return std::string(reinterpret_cast<const char*>(line->Text()),
                       static_cast<std::size_t>(line->Length()));
}

std::vector<int> StylesOf(const PaneModel& pane, int index) {
    const TextLine* line = pane.GetLine(index);
    if (!line->Styles()) return {};
    return std::vector<int>(line->Styles(), line->Styles() + line->Length());
}

// Some cases change the process-wide tab width.
class PaneModelTest : public test::PaneGlobalsTest {
protected:
    PaneModel pane{16, 3, PaneModel::kPerCharacterStyles, "PaneModelTest"};
};

TEST_F(PaneModelTest, AppendsAtOrPastTheCountAndReplacesBelowIt) {
    EXPECT_EQ(Set(pane, "one", 0), 0);
    EXPECT_EQ(Set(pane, "two", 7), 1);
    EXPECT_EQ(pane.LineCount(), 2);
    EXPECT_EQ(Set(pane, "ONE", 0), 0);
    EXPECT_EQ(pane.LineCount(), 2);
    EXPECT_EQ(TextOf(pane, 0), "ONE");
    EXPECT_EQ(TextOf(pane, 1), "two");
}

TEST_F(PaneModelTest, ReplacingKeepsHostWordAndScanBytesButDropsStyles) {
    Set(pane, "first", 0);
    TextLine& line = *pane.GetLine(0);
    line.hostWord = 0xCAFE;
    line.scanA = 3;
    line.scanB = 4;
    const std::uint8_t ids[] = {1, 2};
    ASSERT_TRUE(pane.SetLineStyles(0, ids, 2, 0, 1));
    Set(pane, "second", 0);
    const TextLine* replaced = pane.GetLine(0);
    EXPECT_EQ(replaced->hostWord, 0xCAFEu);
    EXPECT_EQ(replaced->scanA, 3);
    EXPECT_EQ(replaced->scanB, 4);
    EXPECT_EQ(replaced->Styles(), nullptr);
}

TEST_F(PaneModelTest, RefusesTheLineAfterTheMaximumAndBadArguments) {
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(Set(pane, "x", i), i);
    EXPECT_EQ(Set(pane, "too many", 3), -1);
    EXPECT_EQ(pane.LineCount(), 3);
    EXPECT_EQ(TextOf(pane, 2), "x");
    EXPECT_EQ(pane.SetLine(nullptr, 0, 1, 0), -1);
    EXPECT_EQ(Set(pane, "x", -1), -1);
    EXPECT_EQ(pane.SetLine(Bytes("x"), 0, -5, 0), -1);
}

TEST_F(PaneModelTest, CutsTextAtTheMaximumLineLength) {
    Set(pane, std::string(40, 'a'), 0);
    EXPECT_EQ(pane.GetLine(0)->Length(), 16);
    Set(pane, std::string(40, 'b'), 1, kTextUtf8);
    EXPECT_EQ(pane.GetLine(1)->Length(), 16);
}

// What the pane keeps of a line longer than it takes, and whether the line is marked as going on.
TEST_F(PaneModelTest, ALongLineIsCutWhereACharacterEndsAndMarkedAsGoingOn) {
    const std::string a14(14, 'a');
    const struct {
        const char* what;
        std::string text;
        std::string kept;
        bool goesOn;
    } cases[] = {
        {"fits exactly", std::string(16, 'a'), std::string(16, 'a'), false},
        {"a CJK character across the limit", a14 + "\xE6\x97\xA5z", a14, true},
        {"e and its mark across the limit", a14 + "ae\xCC\x81z", a14 + "a", true},
        {"Windows-1252 letters are no UTF-8: cut at the limit", a14 + "\xE9\xE9\xE9",
         a14 + "\xE9\xE9", true},
    };
    for (const auto& c : cases) {
        Set(pane, c.text, 0);
        EXPECT_EQ(TextOf(pane, 0), c.kept) << c.what;
        EXPECT_EQ(pane.GetLine(0)->goesOn, c.goesOn) << c.what;
    }
}

TEST_F(PaneModelTest, ConvertsUtf8ToWindows1252BytesAndUnfitCharactersToAQuestionMark) {
    Set(pane, "caf\xC3\xA9 \xE2\x82\xAC\xF0\x9F\x98\x80!", 0, kTextUtf8);
    EXPECT_EQ(TextOf(pane, 0), "caf\xE9 \x80?!");
}

TEST_F(PaneModelTest, MalformedUtf8BytesStandForThemselves) {
    Set(pane, "a\xC3(\x80\xC0\x80\xED\xA0\x80", 0, kTextUtf8);
    EXPECT_EQ(TextOf(pane, 0), "a\xC3(\x80\xC0\x80\xED\xA0\x80") << "an encoded surrogate too";
}

TEST_F(PaneModelTest, ConvertsUtf16CombiningSurrogatePairs) {
    // "é", U+1F600 as a surrogate pair, U+20AC, "z", and a dangling odd byte.
    const std::string utf16("\xE9\x00\x3D\xD8\x00\xDE\xAC\x20z\x00\x41", 11);
    Set(pane, utf16, 0, kTextUtf16);
    EXPECT_EQ(TextOf(pane, 0), "\xE9?\x80z");
}

TEST_F(PaneModelTest, MeasuresWithTheTabWidthInForceWhenTheLineIsBuilt) {
    ASSERT_TRUE(TabWidth::Set(8));
    Set(pane, "\tx", 0);
    ASSERT_TRUE(TabWidth::Set(4));
    Set(pane, "\tx", 1);
    EXPECT_EQ(pane.GetLine(0)->Width(), 9);
    EXPECT_EQ(pane.GetLine(1)->Width(), 5);
}

TEST_F(PaneModelTest, SetLineStylesColoursOnlyTheLinesCharacters) {
    const int red = pane.AddStyle(0xFF, kWindowColour, "red", 20, 0);
    const int blue = pane.AddStyle(0xFF0000, kWindowColour, "blue", 21, 0);
    Set(pane, "abc", 0);
    const std::uint8_t ids[] = {20, 21, 20, 21, 21, 21};
    EXPECT_TRUE(pane.SetLineStyles(0, ids, 6, 0, 1));
    EXPECT_EQ(StylesOf(pane, 0), (std::vector<int>{red, blue, red}));
    EXPECT_TRUE(pane.SetLineStyles(0, nullptr, 0, 0, 1));
    EXPECT_TRUE(StylesOf(pane, 0).empty());
}

TEST_F(PaneModelTest, StrideStepsThroughRecordsAndShortCountsFillWithTheDefault) {
    const int red = pane.AddStyle(0xFF, kWindowColour, "red", 20, 0);
    const int blue = pane.AddStyle(0xFF0000, kWindowColour, "blue", 21, 0);
    Set(pane, "abcd", 0);
    const std::uint8_t records[] = {20, 9, 9, 21, 9, 9};
    EXPECT_TRUE(pane.SetLineStyles(0, records, 2, 21, 3));
    EXPECT_EQ(StylesOf(pane, 0), (std::vector<int>{red, blue, blue, blue}));
}

TEST_F(PaneModelTest, UnknownIdsKeepTheDefaultAndReportZero) {
    const int red = pane.AddStyle(0xFF, kWindowColour, "red", 20, 0);
    Set(pane, "abc", 0);
    const std::uint8_t ids[] = {20, 99, 20};
    EXPECT_FALSE(pane.SetLineStyles(0, ids, 3, 0, 1));
    EXPECT_EQ(StylesOf(pane, 0), (std::vector<int>{red, 0, red}));
    const std::uint8_t known[] = {20, 20, 20};
    EXPECT_FALSE(pane.SetLineStyles(0, known, 3, 98, 1));  // unknown default id
    EXPECT_TRUE(pane.SetLineStyles(0, known, 3, 300, 1)); // ids past 255 mean style 0
}

TEST_F(PaneModelTest, SetLineStylesIsRefusedOutsideTheTableAndWithoutTheOption) {
    Set(pane, "abc", 0);
    const std::uint8_t ids[] = {1, 1, 1};
    EXPECT_FALSE(pane.SetLineStyles(1, ids, 3, 0, 1));
    EXPECT_FALSE(pane.SetLineStyles(-1, ids, 3, 0, 1));
    EXPECT_FALSE(pane.SetLineStyles(0, ids, 3, 0, -1));
    PaneModel plain(16, 3, 0, "PaneModelTest");
    Set(plain, "abc", 0);
    EXPECT_FALSE(plain.SetLineStyles(0, ids, 3, 0, 1));
    EXPECT_TRUE(StylesOf(plain, 0).empty());
}

TEST_F(PaneModelTest, ClearReturnsAndResetsTheModifiedFlag) {
    EXPECT_FALSE(pane.Clear());
    EXPECT_EQ(pane.LineCount(), 0);
    EXPECT_FALSE(pane.Modified());
    Set(pane, "abc", 0);
    EXPECT_TRUE(pane.Modified());
    EXPECT_TRUE(pane.Clear());
    EXPECT_EQ(pane.LineCount(), 0);
    EXPECT_EQ(pane.WidestLine(), 0);
    EXPECT_FALSE(pane.Clear());
}

TEST_F(PaneModelTest, MarksOnlyVisibleLinesAndWidensASecondMarkToEverything) {
    for (int i = 0; i < 3; ++i)
        Set(pane, "x", i);
    pane.Repaint().Take();
    pane.SetVisibleLines(1, 1);
    Set(pane, "y", 0);
    EXPECT_TRUE(pane.Repaint().IsEmpty());
    Set(pane, "y", 1);
    EXPECT_EQ(pane.Repaint().Line(), 1);
    pane.SetVisibleLines(0, 3);
    Set(pane, "z", 2);
    EXPECT_TRUE(pane.Repaint().IsAll());
    EXPECT_TRUE(pane.Repaint().Take().IsAll());
    EXPECT_TRUE(pane.Repaint().IsEmpty());
}

} // namespace
} // namespace varnex
