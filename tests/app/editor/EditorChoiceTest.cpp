// Choosing the external editor and building its argument list.
#include "app/editor/EditorChoice.h"

#include <gtest/gtest.h>

#include <set>

namespace varnex {
namespace {

auto Existing(std::set<std::string> files) {
    return [files](const std::string& path) { return files.count(path) > 0; };
}

TEST(EditorChoice, SiblingEditorsComeFirstInOrder) {
    const auto all = Existing({"/opt/tamsel/bin/../Scribent/scribent", "/opt/tamsel/bin/scribent",
                               kInstalledSiblingEditor, "/usr/bin/gedit"});
    EXPECT_EQ(ChooseEditor("/opt/tamsel/bin/", "/usr/bin", all)->program,
              "/opt/tamsel/bin/../Scribent/scribent");
    const auto beside = Existing({"/opt/tamsel/bin/scribent", kInstalledSiblingEditor});
    EXPECT_EQ(ChooseEditor("/opt/tamsel/bin", "", beside)->program, "/opt/tamsel/bin/scribent");
    const auto installed = Existing({kInstalledSiblingEditor, "/usr/bin/gedit"});
    const auto chosen = ChooseEditor("/opt/x", "/usr/bin", installed);
    EXPECT_EQ(chosen->program, kInstalledSiblingEditor);
    EXPECT_EQ(chosen->syntax, LineSyntax::Sibling);
}

TEST(EditorChoice, DesktopEditorFromThePathOrNothing) {
    const auto kateOnly = Existing({"/usr/local/bin/kate"});
    const auto chosen = ChooseEditor("/opt/x", "/usr/bin::/usr/local/bin", kateOnly);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->program, "/usr/local/bin/kate");
    EXPECT_EQ(chosen->syntax, LineSyntax::LineFlag);
    EXPECT_FALSE(ChooseEditor("/opt/x", "/usr/bin", Existing({})).has_value());
}

TEST(EditorChoice, LineAtTopRowSkipsPlaceholders) {
    const std::uint16_t lines[] = {1, 0, 0, 2, 0};
    EXPECT_EQ(LineAtTopRow(lines, 5, 0), 1);
    EXPECT_EQ(LineAtTopRow(lines, 5, 1), 2);
    EXPECT_EQ(LineAtTopRow(lines, 5, 4), 0) << "only placeholders remain";
    EXPECT_EQ(LineAtTopRow(lines, 5, 5), 0);
    EXPECT_EQ(LineAtTopRow(lines, 0, 0), 0);
}

TEST(EditorChoice, SiblingGetsZeroBasedLineAfterThePath) {
    const EditorCandidate sibling{"/x/scribent", LineSyntax::Sibling};
    const EditorCommand command = BuildEditorCommand(sibling, "/home/a b/c d.txt", 1);
    EXPECT_EQ(command.program, "/x/scribent");
    EXPECT_EQ(command.arguments, (std::vector<std::string>{"/home/a b/c d.txt", "-s:0:0"}));
    EXPECT_EQ(BuildEditorCommand(sibling, "f", 0).arguments, std::vector<std::string>{"f"});
}

TEST(EditorChoice, DesktopEditorsGetTheirOwnLineSyntax) {
    const std::string path = "/tmp/$HOME \"x\".txt";
    EXPECT_EQ(BuildEditorCommand({"gedit", LineSyntax::Plus}, path, 12).arguments,
              (std::vector<std::string>{"+12", path}));
    EXPECT_EQ(BuildEditorCommand({"kate", LineSyntax::LineFlag}, path, 3).arguments,
              (std::vector<std::string>{"--line", "3", path}));
    EXPECT_EQ(BuildEditorCommand({"leafpad", LineSyntax::JumpFlag}, path, 3).arguments,
              (std::vector<std::string>{"--jump=3", path}));
    EXPECT_EQ(BuildEditorCommand({"mousepad", LineSyntax::None}, path, 3).arguments,
              (std::vector<std::string>{path}));
}

TEST(EditorChoice, NamesThatLookLikeOptionsStayFiles) {
    EXPECT_EQ(BuildEditorCommand({"gedit", LineSyntax::Plus}, "+5", 0).arguments,
              std::vector<std::string>{"./+5"});
    EXPECT_EQ(BuildEditorCommand({"kate", LineSyntax::LineFlag}, "-x.txt", 0).arguments,
              std::vector<std::string>{"./-x.txt"});
}

} // namespace
} // namespace varnex
