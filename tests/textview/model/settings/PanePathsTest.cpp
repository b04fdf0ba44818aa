// Tests of the text pane's settings paths and the 1024-byte cut.
#include "textview/model/settings/PanePaths.h"

#include <gtest/gtest.h>

#include <string>

namespace varnex {
namespace {

TEST(PaneStylePath, SettingsPathWinsOverSection) {
    EXPECT_EQ(PaneStylePath("Software\\Tamsel\\Scribent\\Text", "Ignored", "TextDouble"),
              "Software\\Tamsel\\Scribent\\Text");
}

TEST(PaneStylePath, SectionLosesTrailingBackslashAndGetsGroupName) {
    EXPECT_EQ(PaneStylePath(std::nullopt, "Software\\Me\\", "TextDouble"),
              "Software\\Me\\TextDouble");
    EXPECT_EQ(PaneStylePath(std::nullopt, "Software\\Me", "Text"), "Software\\Me\\Text");
}

TEST(EditorOptionsPath, HashNameIsTheWholePath) {
    EXPECT_EQ(EditorOptionsPath("#Software\\Other\\Opts", "Software\\X", "Tamsel", "Varnex"),
              "Software\\Other\\Opts");
}

TEST(EditorOptionsPath, SettingsPathOrProgramPathThenName) {
    EXPECT_EQ(EditorOptionsPath("Edit", "Software\\X", "Tamsel", "Varnex"), "Software\\X\\Edit");
    EXPECT_EQ(EditorOptionsPath("", "Software\\X", "Tamsel", "Varnex"), "Software\\X");
    EXPECT_EQ(EditorOptionsPath("Edit", std::nullopt, "Tamsel", "Varnex"),
              "Software\\Tamsel\\Varnex\\Edit");
    EXPECT_EQ(EditorOptionsPath("", std::nullopt, "Tamsel", "Varnex"), "Software\\Tamsel\\Varnex");
}

TEST(PanePaths, PathIsCutBeforeThePartThatDoesNotFit) {
    const std::string section(1015, 's');
    EXPECT_EQ(PaneStylePath(std::nullopt, section, "Text"), section + "\\Text"); // 1020 bytes
    EXPECT_EQ(PaneStylePath(std::nullopt, section, "TextDouble"), section);
    const std::string longName(1023, 'n');
    EXPECT_EQ(EditorOptionsPath(longName, "Software\\X", "K", "P"), "Software\\X");
    EXPECT_EQ(PaneStylePath(std::string(2000, 'p'), "", "Text"), std::string(1023, 'p'));
}

} // namespace
} // namespace varnex
