// Searching and replacing in a pane, the words it marks, the search history and the layout
// after a tab width change.
#include "tests/textview/support/FakePlatform.h"
#include "tests/textview/support/SavedPaneGlobals.h"
#include "textview/model/search/SearchHistory.h"
#include "textview/model/search/WordMarks.h"
#include "textview/model/settings/EditOptions.h"
#include "textview/model/settings/TabWidth.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace varnex {
namespace {

using test::EditedPane;

class PaneSearchTest : public test::PaneGlobalsTest {};

std::string Selected(const EditedPane& pane) {
    return pane.editor.SelectedText();
}

TEST_F(PaneSearchTest, AHitIsSelectedAndTheNextSearchGoesOnFromIt) {
    // Windows-1252 bytes, as the pane holds them: "Äpfel", "äpfel".
    const std::string upper = "\xC4pfel";
    const std::string lower = "\xE4pfel";
    EditedPane pane({upper + " und Birnen", "\tnoch " + lower, "keine"});
    pane.editor.SetSearchFlags(SearchFlags::kIgnoreCase, SearchFlags::kDialogMask);
    ASSERT_TRUE(pane.editor.Search(lower).found);
    EXPECT_EQ(Selected(pane), upper);
    ASSERT_TRUE(pane.editor.Search(lower, true).found);
    EXPECT_EQ(pane.editor.Caret().SelectionStart(), (TextPosition{9, 1})) << "after the tab";
    EXPECT_FALSE(pane.editor.Search(lower, true).found) << "no wrapping round";
    EXPECT_EQ(Selected(pane), lower) << "a miss leaves the last hit selected";
}

TEST_F(PaneSearchTest, AHitShowsAsMuchOfItsLinesStartAsFits) {
    // The fake window shows 80 columns.
    EditedPane pane({std::string(100, '.') + "hold", "#ifdef hold", std::string(60, '.') + "hold"});
    struct Step {
        int line;
        int firstColumn;
    };
    for (const Step step : {Step{0, 25}, Step{1, 0}, Step{2, 0}}) {
        ASSERT_TRUE(pane.editor.Search("hold", true).found);
        EXPECT_EQ(pane.Caret().line, step.line);
        EXPECT_EQ(pane.platform.scroll.firstColumn, step.firstColumn) << "hit on line " << step.line;
    }
}

TEST_F(PaneSearchTest, AHitOffTheScreenIsCentredAndAShownOneStaysPut) {
    // The fake window shows 20 whole lines; "hit" stands on the lines listed.
    std::vector<std::string> lines(200, "text");
    for (const int line : {5, 19, 20, 120}) lines[static_cast<std::size_t>(line)] = "a hit";
    EditedPane pane(lines, 300);
    struct Step {
        bool backwards;
        int hitLine;
        int firstLine;
    };
    const Step steps[] = {
        {false, 5, 0},     // shown
        {false, 19, 0},    // the last whole row is shown too
        {false, 20, 10},   // just below: centred, not on the last row
        {false, 120, 110}, // far below
        {true, 20, 10},    // far above
        {true, 19, 10},    // shown after the last centring
        {true, 5, 0},      // the text's start cannot be scrolled past
    };
    for (const Step& step : steps) {
        pane.editor.SetSearchFlags(step.backwards ? SearchFlags::kBackwards : 0,
                                   SearchFlags::kBackwards);
        ASSERT_TRUE(pane.editor.Search("hit", true).found);
        EXPECT_EQ(pane.Caret().line, step.hitLine);
        EXPECT_EQ(pane.platform.scroll.firstLine, step.firstLine) << "hit on line " << step.hitLine;
    }
    const int firstLine = pane.platform.scroll.firstLine;
    pane.editor.SetSearchFlags(SearchFlags::kBackwards, SearchFlags::kBackwards);
    EXPECT_FALSE(pane.editor.Search("hit", true).found);
    EXPECT_EQ(pane.platform.scroll.firstLine, firstLine) << "a miss does not scroll";
}

TEST_F(PaneSearchTest, WholeTextStartsAtTheStartOrEndUnlessContinuing) {
    EditedPane pane({"ab", "ab", "ab"});
    pane.editor.MoveTo({0, 1}, false);
    pane.editor.SetSearchFlags(SearchFlags::kWholeText, SearchFlags::kDialogMask);
    ASSERT_TRUE(pane.editor.Search("ab").found);
    EXPECT_EQ(pane.Caret().line, 0);
    ASSERT_TRUE(pane.editor.Search("ab", true).found);
    EXPECT_EQ(pane.Caret().line, 1);
    pane.editor.SetSearchFlags(SearchFlags::kWholeText | SearchFlags::kBackwards,
                               SearchFlags::kDialogMask);
    ASSERT_TRUE(pane.editor.Search("ab").found);
    EXPECT_EQ(pane.Caret().line, 2) << "backwards from the text's end";
}

TEST_F(PaneSearchTest, ABadPatternIsReportedNotSearched) {
    EditedPane pane({"a(b"});
    pane.editor.SetSearchFlags(SearchFlags::kRegex, SearchFlags::kDialogMask);
    const SearchOutcome outcome = pane.editor.Search("a(b");
    EXPECT_FALSE(outcome.found);
    ASSERT_TRUE(outcome.error);
    EXPECT_EQ(outcome.error->offset, 3);
    EXPECT_FALSE(pane.editor.Caret().HasSelection());
}

TEST_F(PaneSearchTest, ReplacingTheHitPutsInGroupsAndUndoesAsOneStep) {
    EditedPane pane({"name = value"});
    pane.editor.SetSearchFlags(SearchFlags::kRegex, SearchFlags::kDialogMask);
    ASSERT_TRUE(pane.editor.Search("(\\w+) = (\\w+)").found);
    ASSERT_TRUE(pane.editor.ReplaceFound("$2 = $1"));
    EXPECT_EQ(pane.Line(0), "value = name");
    EXPECT_FALSE(pane.editor.ReplaceFound("x")) << "the hit was used up";
    ASSERT_TRUE(pane.editor.Undo());
    EXPECT_EQ(pane.Line(0), "name = value");
}

TEST_F(PaneSearchTest, AMovedSelectionIsNotReplaced) {
    EditedPane pane({"one one"});
    ASSERT_TRUE(pane.editor.Search("one").found);
    pane.editor.MoveTo({7, 0}, false);
    EXPECT_FALSE(pane.editor.ReplaceFound("two"));
    EXPECT_EQ(pane.Line(0), "one one");
}

TEST_F(PaneSearchTest, ReplaceAllCountsAndUndoesInOneStep) {
    EditedPane pane({"a-a", "b", "a"});
    const auto count = pane.editor.ReplaceAll("a", "xy", false);
    ASSERT_TRUE(std::holds_alternative<int>(count));
    EXPECT_EQ(std::get<int>(count), 3);
    EXPECT_EQ(pane.Line(0), "xy-xy");
    EXPECT_EQ(pane.Line(2), "xy");
    ASSERT_TRUE(pane.editor.Undo());
    EXPECT_EQ(pane.Line(0), "a-a");
    EXPECT_EQ(pane.Line(2), "a");
    EXPECT_FALSE(pane.editor.Undo()) << "one step took everything back";
}

TEST_F(PaneSearchTest, ReplaceAllInTheSelectionLeavesTheRest) {
    EditedPane pane({"a a a", "a a"});
    pane.editor.MoveTo({2, 0}, false);
    pane.editor.MoveTo({1, 1}, true);
    const auto count = pane.editor.ReplaceAll("a", "b", true);
    ASSERT_TRUE(std::holds_alternative<int>(count));
    EXPECT_EQ(std::get<int>(count), 3);
    EXPECT_EQ(pane.Line(0), "a b b");
    EXPECT_EQ(pane.Line(1), "b a");
}

TEST_F(PaneSearchTest, ReadOnlyPanesAreSearchedButNotChanged) {
    EditedPane pane({"abc"});
    pane.editor.SetEditable(false);
    EXPECT_TRUE(pane.editor.Search("b").found);
    EXPECT_FALSE(pane.editor.ReplaceFound("x"));
    const auto count = pane.editor.ReplaceAll("b", "x", false);
    EXPECT_EQ(std::get<int>(count), 0);
    EXPECT_EQ(pane.Line(0), "abc");
}

std::vector<std::string> Marked(const EditedPane& pane, const WordMarks& marks, int line) {
    std::vector<std::string> words;
    const std::string text = pane.Line(line);
    for (const ByteRange& range : marks.MarkedIn(pane.document, line))
        words.push_back(std::to_string(range.first) + ":" +
                        text.substr(range.first, range.last - range.first));
    return words;
}

constexpr std::uint32_t kMarkAtCaret = EditOptions::kWordMarkingAvailable | 0x100000;
constexpr std::uint32_t kMarkSearched = EditOptions::kWordMarkingAvailable | 0x200000;

TEST_F(PaneSearchTest, ModeOneMarksTheWordAtTheCaretWhereverItStandsAlone) {
    EditedPane pane({"foo foobar foo", "(foo)"});
    WordMarks marks;
    EXPECT_TRUE(marks.Update(pane.document, {1, 0}, std::nullopt, kMarkAtCaret));
    EXPECT_EQ(Marked(pane, marks, 0), (std::vector<std::string>{"0:foo", "11:foo"}));
    EXPECT_EQ(Marked(pane, marks, 1), (std::vector<std::string>{"1:foo"}));
    EXPECT_FALSE(marks.Update(pane.document, {2, 0}, std::nullopt, kMarkAtCaret))
        << "the same word: nothing to repaint";
    EXPECT_TRUE(marks.Update(pane.document, {6, 0}, std::nullopt, kMarkAtCaret));
    EXPECT_EQ(Marked(pane, marks, 0), (std::vector<std::string>{"4:foobar"}));
}

TEST_F(PaneSearchTest, EveryModeMarksTheSearchedWordButNothingWithoutTheHost) {
    EditedPane pane({"Wort wort caret"});
    WordMarks marks;
    const HighlightWord searched{"wort", true, true};
    marks.Update(pane.document, {11, 0}, searched, kMarkSearched);
    EXPECT_EQ(Marked(pane, marks, 0), (std::vector<std::string>{"0:Wort", "5:wort"}));
    marks.Update(pane.document, {11, 0}, searched, EditOptions::kWordMarkingAvailable);
    EXPECT_EQ(Marked(pane, marks, 0), (std::vector<std::string>{"0:Wort", "5:wort"}))
        << "the default mode marks no caret word, but the word the user asked for";
    marks.Update(pane.document, {11, 0}, searched, kMarkAtCaret);
    EXPECT_EQ(Marked(pane, marks, 0), (std::vector<std::string>{"0:Wort", "5:wort", "10:caret"}))
        << "WordAtCaret marks the searched word too";
    EXPECT_TRUE(marks.Update(pane.document, {11, 0}, searched, 0x200000));
    EXPECT_TRUE(marks.Empty()) << "no marking while the host does not offer it";
}

TEST_F(PaneSearchTest, TheHighlightFollowsTheSearchFlag) {
    EditedPane pane({"x"});
    pane.editor.SetHighlightWord({"x", false, true});
    EXPECT_FALSE(pane.editor.Highlight());
    pane.editor.SetSearchFlags(SearchFlags::kHighlight, SearchFlags::kHighlight);
    ASSERT_TRUE(pane.editor.Highlight());
    EXPECT_EQ(pane.editor.Highlight()->text, "x");
}

TEST_F(PaneSearchTest, TheHistoryKeepsTheLatestFirstWithoutRepeats) {
    SearchHistory::Restore({});
    EditOptions::ClearChanged();
    SearchHistory::Add("one");
    EXPECT_TRUE(EditOptions::Changed()) << "so that the history gets saved";
    SearchHistory::Add("two");
    SearchHistory::Add("one");
    SearchHistory::Add("");
    EXPECT_EQ(SearchHistory::Entries(), (std::vector<std::string>{"one", "two"}));
    for (int n = 0; n < 30; ++n)
        SearchHistory::Add("word" + std::to_string(n));
    EXPECT_EQ(SearchHistory::Entries().size(), std::size_t(SearchHistory::kMaxEntries));
    EXPECT_EQ(SearchHistory::Entries().front(), "word29");
    SearchHistory::Add(std::string(300, 'x'));
    EXPECT_EQ(SearchHistory::Entries().front().size(), std::size_t(SearchHistory::kMaxTextLength));
}

TEST_F(PaneSearchTest, ANewTabWidthLaysTheLinesOutAgain) {
    TabWidth::Set(4);
    EditedPane pane({"\tx", "abcdefgh"});
    EXPECT_EQ(pane.document.GetLine(0)->Width(), 5);
    EXPECT_EQ(pane.document.WidestLine(), 8);
    TabWidth::Set(12);
    pane.document.Remeasure();
    EXPECT_EQ(pane.document.GetLine(0)->Width(), 13);
    EXPECT_EQ(pane.document.GetLine(0)->Indent(), 12);
    EXPECT_EQ(pane.document.WidestLine(), 13);
}

} // namespace
} // namespace varnex
