// Reading the command line into the start record, and the -D extension rule.
#include "options/StartOptions.h"

#include <gtest/gtest.h>

namespace varnex {
namespace {

StartOptions Parse(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "varnex");
    return ParseStartOptions(arguments);
}

TEST(StartOptions, DefaultsAndPlainArguments) {
    const StartOptions options = Parse({"a.txt", "b.txt", "c.txt"});
    EXPECT_EQ(options.fileCount, 2);
    EXPECT_EQ(options.files[0], "a.txt");
    EXPECT_EQ(options.files[1], "b.txt");
    EXPECT_EQ(options.compareMode, CompareMode::CharWise);
    EXPECT_FALSE(options.typeMode.has_value());
    EXPECT_FALSE(options.stacked.has_value());
    EXPECT_FALSE(options.jumpToFirst);
    EXPECT_TRUE(options.showTitles);
    EXPECT_FALSE(options.sendToDialog);
}

TEST(StartOptions, AbsolutePathsAreFilesNotOptions) {
    const StartOptions options = Parse({"/home/x/a.txt", "/c"});
    EXPECT_EQ(options.fileCount, 2);
    EXPECT_EQ(options.files[0], "/home/x/a.txt");
    EXPECT_EQ(options.files[1], "/c");
    EXPECT_EQ(options.compareMode, CompareMode::CharWise);
}

TEST(StartOptions, ModesSecondCharacterDecidesLastWins) {
    EXPECT_EQ(Parse({"-L"}).compareMode, CompareMode::LineWise);
    EXPECT_EQ(Parse({"-s"}).compareMode, CompareMode::CharWiseNoBlanks);
    EXPECT_EQ(Parse({"-Lxyz"}).compareMode, CompareMode::LineWise);
    EXPECT_EQ(Parse({"-S", "-L", "-c"}).compareMode, CompareMode::CharWise);
    EXPECT_EQ(Parse({"-DS"}).typeMode, CompareMode::CharWiseNoBlanks);
    EXPECT_EQ(Parse({"-dl"}).typeMode, CompareMode::LineWise);
    EXPECT_EQ(Parse({"-DC", "-DX"}).typeMode, CompareMode::CharWise)
        << "an unknown third character keeps the value";
    EXPECT_FALSE(Parse({"-D"}).typeMode.has_value());
}

TEST(StartOptions, ViewFlags) {
    const StartOptions options = Parse({"-J", "-n", "-H"});
    EXPECT_TRUE(options.jumpToFirst);
    EXPECT_FALSE(options.showTitles);
    EXPECT_EQ(options.stacked, true);
    EXPECT_EQ(Parse({"-H", "-V"}).stacked, false);
}

TEST(StartOptions, UnknownOptionsAreIgnored) {
    const StartOptions options = Parse({"-x", "--help", "-0x", "-1title", "a", "b"});
    EXPECT_EQ(options.fileCount, 2);
    EXPECT_FALSE(options.sendToDialog);
    EXPECT_TRUE(options.titles[0].empty());
}

TEST(StartOptions, HandOverInBothForms) {
    const StartOptions bare = Parse({"-0", "first", "second"});
    EXPECT_TRUE(bare.sendToDialog);
    EXPECT_FALSE(bare.expectSendFile);
    EXPECT_EQ(bare.sendFile, "first");
    EXPECT_EQ(bare.fileCount, 1);
    EXPECT_EQ(bare.files[0], "second");

    const StartOptions waiting = Parse({"-0"});
    EXPECT_TRUE(waiting.expectSendFile);

    const StartOptions colon = Parse({"-0:/tmp/x y.txt", "a"});
    EXPECT_TRUE(colon.sendToDialog);
    EXPECT_EQ(colon.sendFile, "/tmp/x y.txt");
    EXPECT_EQ(colon.files[0], "a");
}

TEST(StartOptions, Titles) {
    const StartOptions options = Parse({"-1:Alt", "-2:Neu: mit Doppelpunkt", "-2:"});
    EXPECT_EQ(options.titles[0], "Alt");
    EXPECT_EQ(options.titles[1], "Neu: mit Doppelpunkt") << "an empty title sets nothing";
}

TEST(StartOptions, LoneDashIsStandardInput) {
    const StartOptions options = Parse({"-", "b"});
    EXPECT_EQ(options.fileCount, 2);
    EXPECT_EQ(options.files[0], "-");
}

TEST(DefaultTypes, ExtensionMatchesWholeItemsIgnoringCase) {
    EXPECT_TRUE(MatchesDefaultTypes("src/a.cpp", "c;cpp;h"));
    EXPECT_TRUE(MatchesDefaultTypes("A.CPP", "c;Cpp;h"));
    EXPECT_FALSE(MatchesDefaultTypes("a.cpp", "c;h"));
    EXPECT_FALSE(MatchesDefaultTypes("a.c", "cpp"));
    EXPECT_FALSE(MatchesDefaultTypes("a.cp", "c;cpp"));
}

TEST(DefaultTypes, NamesWithoutExtensionMatchOnlyEmptyItems) {
    EXPECT_FALSE(MatchesDefaultTypes("Makefile", "c;h"));
    EXPECT_TRUE(MatchesDefaultTypes("Makefile", "c;;h"));
    EXPECT_TRUE(MatchesDefaultTypes("Makefile", ";c"));
    EXPECT_TRUE(MatchesDefaultTypes("Makefile", "c;"));
    EXPECT_TRUE(MatchesDefaultTypes("", "c;"));
    EXPECT_FALSE(MatchesDefaultTypes(".profile", "profile"));
    EXPECT_FALSE(MatchesDefaultTypes("dir.d/file", "d"));
    EXPECT_FALSE(MatchesDefaultTypes("c:.x", "x")) << "a dot right behind a separator";
    EXPECT_TRUE(MatchesDefaultTypes("dir.d/file", ";"));
}

TEST(DefaultTypes, TheHandOverFileCountsAndAnEmptyListChangesNothing) {
    StartOptions options;
    options.typeMode = CompareMode::LineWise;
    options.sendFile = "notes.TXT";
    ApplyDefaultTypes(options, "");
    EXPECT_EQ(options.compareMode, CompareMode::CharWise);
    ApplyDefaultTypes(options, "log;txt");
    EXPECT_EQ(options.compareMode, CompareMode::LineWise);
}

} // namespace
} // namespace varnex
