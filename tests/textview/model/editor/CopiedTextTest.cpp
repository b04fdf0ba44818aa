// Copied text under a host's line rule: lines left out with their break, lines copied empty.
#include "textview/model/editor/CopiedText.h"
#include "tests/textview/support/FakePlatform.h"
#include "tests/textview/support/SavedPaneGlobals.h"
#include "textview/model/settings/EditOptions.h"

#include <gtest/gtest.h>

namespace varnex {
namespace {

using test::EditedPane;

struct CopyCase {
    const char* what;
    TextPosition from;
    TextPosition to;
    bool lineWise;
    const char* expected;
};

// Lines: "one", a placeholder " ", an empty line shown as " ", "two", "three".
TEST(CopiedText, TheRuleLeavesOutAndEmptiesLinesWhereverTheSelectionRuns) {
    test::SavedPaneGlobals saved;
    EditedPane pane({"one", " ", " ", "two", "three"});
    pane.editor.SetCopiedLineRule([](int line) {
        return line == 1 ? CopiedLine::LeftOut : line == 2 ? CopiedLine::Empty : CopiedLine::AsShown;
    });
    const CopyCase cases[] = {
        {"everything", {0, 0}, {0, 5}, false, "one\n\ntwo\nthree\n"},
        {"from inside the first line", {1, 0}, {2, 3}, false, "ne\n\ntw"},
        {"ending at column 0 keeps the last break", {0, 1}, {0, 3}, false, "\n"},
        {"only the placeholder", {0, 1}, {1, 1}, false, ""},
        {"only the empty line", {0, 2}, {1, 2}, false, ""},
        {"whole lines", {1, 0}, {2, 3}, true, "one\n\ntwo\n"},
    };
    for (const CopyCase& c : cases) {
        EditOptions::Set(c.lineWise ? EditOptions::kLineSelection : 0,
                         EditOptions::kLineSelection | EditOptions::kVirtualDisplay);
        pane.editor.MoveTo(c.from, false);
        pane.editor.MoveTo(c.to, true);
        EXPECT_EQ(pane.editor.SelectedText(), c.expected) << c.what;
    }
    pane.editor.SetCopiedLineRule({});
    EXPECT_EQ(pane.editor.SelectedText(), "one\n \n \ntwo\n") << "without a rule, as shown";
}

} // namespace
} // namespace varnex
