// The pane's context menu entries and their greying, and the hooks on the text.
#include "tests/textview/support/FakePlatform.h"
#include "textview/model/editor/PaneCommands.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace varnex {
namespace {

using test::EditedPane;

// Entry text → enabled, separators left out.
std::map<std::string, bool> Entries(EditedPane& pane, TextPosition at, bool clipboard) {
    std::map<std::string, bool> entries;
    for (const PaneMenuEntry& entry : PaneMenuEntries(pane.editor, at, clipboard)) {
        if (entry.id) entries[std::string(entry.text)] = entry.enabled;
    }
    return entries;
}

TEST(PaneMenu, GreyingFollowsSelectionWordClipboardAndReadOnly) {
    EditedPane pane({"a word   here"});
    std::map<std::string, bool> blank = Entries(pane, {7, 0}, true);
    EXPECT_FALSE(blank["&Kopieren"]) << "no word on a blank run";
    EXPECT_FALSE(blank["&Ausschneiden"]);
    EXPECT_FALSE(blank["&Löschen"]);
    EXPECT_TRUE(blank["&Einfügen"]);
    EXPECT_EQ(blank.count("&Kopiere Wort"), 0u);
    std::map<std::string, bool> word = Entries(pane, {3, 0}, false);
    EXPECT_TRUE(word["&Kopiere Wort"]);
    EXPECT_FALSE(word["&Einfügen"]) << "nothing on the clipboard";
    pane.editor.MoveTo({0, 0}, false);
    pane.editor.MoveTo({4, 0}, true);
    std::map<std::string, bool> selected = Entries(pane, {9, 0}, true);
    EXPECT_TRUE(selected["&Kopieren"]);
    EXPECT_TRUE(selected["&Ausschneiden"]);
    EXPECT_TRUE(selected["&Erset&zen"]);
    pane.editor.SetEditable(false);
    std::map<std::string, bool> readOnly = Entries(pane, {9, 0}, true);
    EXPECT_FALSE(readOnly["&Einfügen"]);
    EXPECT_FALSE(readOnly["&Erset&zen"]);
    EXPECT_TRUE(readOnly["&Suchen"]);
}

TEST(PaneMenu, CopyWordCopiesTheWordAtTheRightClick) {
    EditedPane pane({"copy thisword now"});
    ASSERT_TRUE(RunPaneCommand(pane.editor, static_cast<int>(PaneCommandId::CopyWord), {7, 0}));
    EXPECT_EQ(pane.platform.clipboard, "thisword");
}

TEST(DocumentHooks, InsertedDeletedAndRestyledLinesAreReported) {
    EditedPane pane({"a", "b"});
    std::vector<std::string> events;
    pane.document.SetHooks({
        [&](int line) { events.push_back("styled " + std::to_string(line)); },
        [&](int first, int count) {
            events.push_back("inserted " + std::to_string(first) + "+" + std::to_string(count));
        },
        [&](int first, int count) {
            events.push_back("deleted " + std::to_string(first) + "+" + std::to_string(count));
        },
    });
    pane.editor.MoveTo({1, 0}, false);
    pane.editor.EditChar(EditCode::kEnter, true);
    pane.editor.EditChar(EditCode::kBackspace, true);
    pane.document.Clear();
    EXPECT_EQ(events, (std::vector<std::string>{"inserted 1+1", "deleted 1+1", "deleted 0+2"}));
}

} // namespace
} // namespace varnex
