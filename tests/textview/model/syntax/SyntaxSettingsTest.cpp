// Configurations found through the settings: the shipped ones, the user's changes over them,
// unknown file types, and a pane that colours through them.
#include "textview/model/syntax/SyntaxSettings.h"
#include "textview/model/document/PaneModel.h"

#include "tests/common/support/HiveScratch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace varnex {
namespace {

using SyntaxSettingsTest = test::HiveScratch;

constexpr const char* kTextPath = "Software\\Tamsel\\Scribent\\Text";

bool HasWord(const SyntaxConfig& config, int group, const std::string& word) {
    const auto& words = config.groups[static_cast<std::size_t>(group)];
    return std::find(words.begin(), words.end(), word) != words.end();
}

TEST_F(SyntaxSettingsTest, EveryShippedFileTypeNamesAConfigurationThatColours) {
    for (const char* type : {".c",   ".cpp", ".hpp",  ".cs",    ".java", ".js",   ".ts",  ".json",
                             ".py",  ".sh",  "#Ma",   ".cmake", ".xml",  ".html", ".css", ".ini",
                             ".reg", ".md",  ".diff", ".patch", ".sql",  ".go",   ".rs"}) {
        const std::optional<SyntaxConfig> config = ReadSyntaxSettings(kTextPath, type);
        ASSERT_TRUE(config) << type;
        EXPECT_TRUE(std::any_of(config->styleIds.begin(), config->styleIds.end(),
                                [](std::uint8_t id) { return id != 0; }))
            << type << " draws everything in the standard style";
    }
}

TEST_F(SyntaxSettingsTest, UnknownFileTypesAndEmptyNamesHaveNoConfiguration) {
    EXPECT_FALSE(ReadSyntaxSettings(kTextPath, ".zzz"));
    EXPECT_FALSE(ReadSyntaxSettings(kTextPath, ""));
    EXPECT_FALSE(ReadSyntaxSettings(kTextPath, "NoSuchConfiguration"));
    EXPECT_EQ(FindConfiguredScanner(kTextPath, ".zzz"), nullptr);
}

TEST_F(SyntaxSettingsTest, TheUsersValuesWinValueByValueAndTheUsersFileTypesToo) {
    WriteText(UserHive(), "Windows Registry Editor Version 5.00\n\n"
                          "[HKEY_CURRENT_USER\\Software\\Tamsel\\Scribent\\Text]\n"
                          "\".mine\"=\"C\"\n\n"
                          "[HKEY_CURRENT_USER\\Software\\Tamsel\\Scribent\\Text\\C]\n"
                          "\"Group1\"=\"frobnicate\"\n");
    const std::optional<SyntaxConfig> config = ReadSyntaxSettings(kTextPath, ".mine");
    ASSERT_TRUE(config);
    EXPECT_TRUE(HasWord(*config, 0, "frobnicate"));
    EXPECT_FALSE(HasWord(*config, 0, "while"));
    EXPECT_TRUE(HasWord(*config, 1, "int")) << "the shipped Group2 still applies";
    EXPECT_FALSE(config->regions.empty());
}

TEST_F(SyntaxSettingsTest, APaneColoursThroughTheShippedConfigurationAndRescansOnEdits) {
    PaneModel pane(2048, 100, PaneModel::kPerCharacterStyles, "SyntaxSettingsTest");
    pane.SetSettingsPath(kTextPath);
    pane.LoadStyles("", true);
    pane.SetSyntax(std::string(".c"));
    ASSERT_TRUE(pane.SyntaxActive());
    const auto set = [&pane](const std::string& text, int index) {
        pane.SetLine(reinterpret_cast<const std::uint8_t*>(text.data()), index,
                     static_cast<int>(text.size()), 0);
    };
    set("if (a) /* x\n", 0);
    set("y */ return;\n", 1);
    const auto styleAt = [&pane](int line, int column) {
        const TextLine* stored = pane.GetLine(line);
        return stored && stored->Styles() ? stored->Styles()[column] : -1;
    };
    const int keyword = styleAt(1, 5);
    const int comment = styleAt(1, 0);
    EXPECT_NE(keyword, comment);
    EXPECT_NE(keyword, 0);
    EXPECT_EQ(styleAt(0, 0), keyword);
    // Closing the comment on the first line makes the second line code again.
    set("if (a) /* x */\n", 0);
    EXPECT_EQ(styleAt(1, 0), 0) << "y is plain text now";
    const std::optional<std::bitset<256>> used = pane.UsedStyles();
    ASSERT_TRUE(used);
    EXPECT_TRUE(used->test(static_cast<std::size_t>(keyword)));
    EXPECT_TRUE(used->test(static_cast<std::size_t>(comment)));
}

} // namespace
} // namespace varnex
