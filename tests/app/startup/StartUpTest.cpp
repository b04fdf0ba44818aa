// Start-up: arguments to first comparison, messages for unusable files, the hidden start
// without arguments, the -D rule, the view's options and the recent-file list.
#include "tests/app/frame/FrameTestSupport.h"

#include "app/compare/VarnexDoc.h"
#include "app/dialogs/OpenFilesDlg.h"
#include "app/doublepane/TextDoubleWnd.h"
#include "app/startup/RecentFiles.h"
#include "app/startup/StartUp.h"
#include "common/SettingsKey.h"
#include "common/SettingsText.h"
#include "res/CommandId.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace varnex {
namespace {

using test::StartedApp;
using test::WriteScratchFile;

std::string Missing(const std::string& name) {
    return (test::ScratchFolder() / name).string();
}

QString NotComparable(const std::string& path) {
    return QString("Die Datei %1 existiert nicht zum Vergleichen !")
        .arg(QString::fromStdString(path));
}

void StoreDefaultTypes(const std::string& list) {
    SettingsKey key;
    ASSERT_TRUE(key.Open(Hive::CurrentUser, OpenMode::Create));
    ASSERT_TRUE(WriteText(key, "DefaultTypes", list));
}

TEST(StartUpFiles, TwoFilesAreComparedInAShownWindowTitledVarnex) {
    const std::string left = WriteScratchFile("start-left.txt", "a\nb\n");
    const std::string right = WriteScratchFile("start-right.txt", "a\nc\n");
    StartedApp started({left, right});
    EXPECT_TRUE(started.messages.empty());
    EXPECT_TRUE(started.Frame().isVisible());
    EXPECT_EQ(started.Frame().windowTitle(), "Varnex");
    EXPECT_EQ(started.View().Path(Side::Left), left);
    EXPECT_EQ(started.View().Engine().BlockCount(), 1);
    EXPECT_TRUE(started.dialogs.shown.empty());
}

TEST(StartUpFiles, TwoMissingFilesGiveTwoMessagesAndNoComparison) {
    const std::string first = Missing("gone-1.txt");
    const std::string second = Missing("gone-2.txt");
    StartedApp started({first, second});
    ASSERT_EQ(started.messages.size(), 2u);
    EXPECT_EQ(started.messages[0].text, NotComparable(first));
    EXPECT_EQ(started.messages[1].text, NotComparable(second));
    for (const test::ShownMessage& message : started.messages) {
        EXPECT_EQ(message.caption, "Fehler");
        EXPECT_EQ(message.icon, QMessageBox::Critical);
    }
    EXPECT_TRUE(started.View().Path(Side::Left).empty());
    EXPECT_TRUE(started.Frame().isVisible());
}

TEST(StartUpFiles, AFolderIsNotAFileToCompare) {
    const std::string right = WriteScratchFile("start-right.txt", "a\n");
    const std::string folder = test::ScratchFolder().string();
    StartedApp started({folder, right});
    ASSERT_EQ(started.messages.size(), 1u);
    EXPECT_EQ(started.messages[0].text, NotComparable(folder));
    EXPECT_TRUE(started.View().Path(Side::Right).empty());
}

TEST(StartUpFiles, ASingleFileIsNeitherComparedNorReported) {
    const std::string only = WriteScratchFile("start-only.txt", "a\n");
    StartedApp started({only});
    EXPECT_TRUE(started.messages.empty());
    EXPECT_TRUE(started.View().Path(Side::Left).empty());
    EXPECT_TRUE(started.Frame().isVisible());
    EXPECT_TRUE(started.dialogs.shown.empty());
}

TEST(StartUpWithoutArguments, TheOpenFilesDialogComesFirstAndTheWindowShowsAfterIt) {
    StartedApp started;
    started.Start({});
    ASSERT_EQ(started.dialogs.shown, std::vector<std::string>{"varnex::COpenFilesDlg"});
    EXPECT_EQ(started.dialogs.windowShownDuringDialog, std::vector<bool>{false});
    EXPECT_TRUE(started.Frame().isVisible());
    EXPECT_EQ(started.Frame().windowTitle(), "Varnex");
}

TEST(StartUpWithoutArguments, FilesChosenInTheFirstDialogAreCompared) {
    const std::string left = WriteScratchFile("first-left.txt", "x\n");
    const std::string right = WriteScratchFile("first-right.txt", "y\n");
    StartedApp started;
    started.dialogs.answer = [&](QDialog& dialog) {
        auto& files = dynamic_cast<COpenFilesDlg&>(dialog);
        files.SetFile(Side::Left, QString::fromStdString(left));
        files.SetFile(Side::Right, QString::fromStdString(right));
        return int(QDialog::Accepted);
    };
    started.Start({});
    EXPECT_EQ(started.View().Path(Side::Left), left);
    EXPECT_EQ(started.View().Path(Side::Right), right);
    EXPECT_TRUE(started.Frame().isVisible());
}

TEST(StartUpOptions, ViewOptionsReachTheView) {
    const std::string left = WriteScratchFile("opt-left.txt", "a\nb\nc\n");
    const std::string right = WriteScratchFile("opt-right.txt", "a\nB\nc\n");
    StartedApp started({"-H", "-L", "-J", "-1:Links", left, right});
    EXPECT_EQ(started.View().CurrentViewMode(), ViewMode::Stacked);
    EXPECT_EQ(started.View().CompareModeInForce(), CompareMode::LineWise);
    EXPECT_EQ(started.View().Title(Side::Left), "Links");
    EXPECT_EQ(started.View().Title(Side::Right).toStdString(), "");
    EXPECT_EQ(started.View().Engine().Navigator().CurrentBlock(), 0); // -J jumped
}

TEST(StartUpOptions, NoTitlesLeavesTheTitleBarsEmpty) {
    const std::string left = WriteScratchFile("opt-left.txt", "a\n");
    const std::string right = WriteScratchFile("opt-right.txt", "b\n");
    StartedApp started({"-N", left, right});
    EXPECT_FALSE(started.View().DoublePane().TitleText(Side::Left).has_value());
    EXPECT_FALSE(started.View().DoublePane().TitleText(Side::Right).has_value());
}

TEST(StartUpDefaultTypes, AListedExtensionSetsTheModeOfTheDOption) {
    const std::string left = WriteScratchFile("types-left.cpp", "a\n");
    const std::string right = WriteScratchFile("types-right.cpp", "b\n");
    StartedApp listed;
    StoreDefaultTypes("c;cpp;h");
    listed.Start({"-L", "-DS", left, right});
    EXPECT_EQ(listed.View().CompareModeInForce(), CompareMode::CharWiseNoBlanks);

    StartedApp unlisted;
    StoreDefaultTypes("c;h");
    unlisted.Start({"-L", "-DS", left, right});
    EXPECT_EQ(unlisted.View().CompareModeInForce(), CompareMode::LineWise);
}

TEST(StartUpDocument, TheFirstPlainArgumentIsTheDocumentPathInTheRecentFileList) {
    const std::string left = WriteScratchFile("recent-left.txt", "a\n");
    const std::string right = WriteScratchFile("recent-right.txt", "b\n");
    StartedApp started({"-C", left, right});
    EXPECT_EQ(started.app.Document()->PathName(), left);
    EXPECT_EQ(RecentFiles().Entries(), std::vector<std::string>{left});
    EXPECT_EQ(DocumentPathOf({"varnex", "-L", "-1:x"}), "");
    EXPECT_EQ(DocumentPathOf({"varnex", "-L", "rel.txt", "b"}),
              (std::filesystem::current_path() / "rel.txt").string());
}

TEST(StartUpDocument, AboutIsTheApplicationsCommand) {
    StartedApp started({"-N"});
    started.Frame().RunCommand(kCmdAbout);
    EXPECT_EQ(started.dialogs.shown, std::vector<std::string>{"varnex::CAboutDlg"});
}

} // namespace
} // namespace varnex
