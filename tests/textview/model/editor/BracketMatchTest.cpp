// Bracket matching: nesting across lines, excluded styles, the visible lines, ranged marking.
#include "textview/model/editor/BracketMatch.h"
#include "tests/textview/support/FakePlatform.h"
#include "tests/textview/support/SavedPaneGlobals.h"
#include "textview/model/settings/EditOptions.h"
#include "textview/model/settings/TabWidth.h"

#include <gtest/gtest.h>

namespace varnex {
namespace {

using test::EditedPane;

BracketRules Rules() {
    BracketRules rules;
    rules.table.opening = {'(', '[', '{', 0, 0};
    rules.table.closing = {')', ']', '}', 0, 0};
    return rules;
}

TEST(BracketMatch, NestedPartnersBothWaysAcrossLines) {
    TabWidth::Set(4);
    EditedPane pane({"f(a[1],", "  {b})", "x"});
    const BracketRules rules = Rules();
    const BracketMatch forward = FindBracketMatch(pane.document, rules, {1, 0}, 0, 2, false);
    ASSERT_TRUE(forward.active);
    EXPECT_EQ(forward.partner, (TextPosition{5, 1}));
    EXPECT_EQ(forward.direction, 1);
    const BracketMatch backward = FindBracketMatch(pane.document, rules, {5, 1}, 0, 2, false);
    ASSERT_TRUE(backward.active);
    EXPECT_EQ(backward.partner, (TextPosition{1, 0}));
    EXPECT_EQ(backward.direction, -1);
    EXPECT_FALSE(FindBracketMatch(pane.document, rules, {0, 0}, 0, 2, false).active)
        << "no bracket at the caret";
    EXPECT_FALSE(FindBracketMatch(pane.document, rules, {7, 0}, 0, 2, false).active)
        << "past the end of the line";
}

TEST(BracketMatch, OnlyTheVisibleLinesAreSearched) {
    EditedPane pane({"(", "", ")"});
    const BracketRules rules = Rules();
    EXPECT_TRUE(FindBracketMatch(pane.document, rules, {0, 0}, 0, 2, false).active);
    EXPECT_FALSE(FindBracketMatch(pane.document, rules, {0, 0}, 0, 1, false).active);
    const BracketMatch ranged = FindBracketMatch(pane.document, rules, {0, 0}, 0, 1, true);
    ASSERT_TRUE(ranged.active) << "ranged marking goes to the edge of the visible lines";
    EXPECT_TRUE(ranged.toEdge);
    EXPECT_EQ(ranged.partner, (TextPosition{0, 1}));
}

TEST(BracketMatch, BracketsInExcludedStylesDoNotCount) {
    EditedPane pane({"(\")\")"});
    const int stringStyle = pane.document.AddStyle(0xFF, kWindowColour, "String", 9, 0);
    TextLine& line = *pane.document.GetLine(0);
    std::uint8_t* styles = line.EnsureStyles();
    std::fill_n(styles, line.Length(), 0);
    styles[1] = styles[2] = styles[3] = static_cast<std::uint8_t>(stringStyle);
    BracketRules rules = Rules();
    EXPECT_EQ(FindBracketMatch(pane.document, rules, {0, 0}, 0, 0, false).partner,
              (TextPosition{2, 0}));
    rules.excludedStyles = 9u << 8;
    EXPECT_EQ(FindBracketMatch(pane.document, rules, {0, 0}, 0, 0, false).partner,
              (TextPosition{4, 0}));
    EXPECT_FALSE(FindBracketMatch(pane.document, rules, {2, 0}, 0, 0, false).active)
        << "an excluded bracket at the caret matches nothing";
}

class CaretBracketTest : public test::PaneGlobalsTest {};

TEST_F(CaretBracketTest, CaretMovesMatchOnlyWithRulesAndTheOption) {
    EditedPane pane({"(x)"});
    pane.editor.Caret().SetBracketRules(Rules());
    pane.editor.SetCaret(0, 0, 0);
    EXPECT_FALSE(pane.editor.Caret().Bracket().active) << "option 0x8 is off";
    EditOptions::Set(EditOptions::kBracketSearch, EditOptions::kBracketSearch);
    pane.editor.SetCaret(2, 0, 0);
    ASSERT_TRUE(pane.editor.Caret().Bracket().active);
    EXPECT_EQ(pane.editor.Caret().Bracket().partner, (TextPosition{0, 0}));
    pane.editor.SetCaret(1, 0, 0);
    EXPECT_FALSE(pane.editor.Caret().Bracket().active) << "moving off the bracket clears it";
}

} // namespace
} // namespace varnex
