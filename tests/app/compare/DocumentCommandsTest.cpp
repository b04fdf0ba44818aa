// Open and Reload on a started program: what reloads, what keeps titles and position, messages.
#include "tests/app/frame/FrameTestSupport.h"

#include "app/compare/VarnexDoc.h"
#include "app/dialogs/OpenFilesDlg.h"
#include "app/doublepane/TextDoubleWnd.h"
#include "app/ui/PathText.h"
#include "res/CommandId.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>

#include <filesystem>

namespace varnex {
namespace {

using test::RowText;
using test::StartedApp;
using test::WriteScratchFile;

void ActivateWindow(CMainFrame& frame) {
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
}

// Answers the open-files dialog with OK after `edit` has changed its fields.
std::function<int(QDialog&)> AnswerOk(std::function<void(COpenFilesDlg&)> edit) {
    return [edit](QDialog& dialog) {
        auto& files = dynamic_cast<COpenFilesDlg&>(dialog);
        if (edit) edit(files);
        return int(QDialog::Accepted);
    };
}

std::string LongText(const std::string& word, int lines) {
    std::string text;
    for (int line = 0; line < lines; ++line)
        text += word + std::to_string(line) + "\n";
    return text;
}

struct TwoFiles {
    std::string left = WriteScratchFile("doc-left.txt", "one\ntwo\n");
    std::string right = WriteScratchFile("doc-right.txt", "one\nTWO\n");
};

TEST(OpenCommand, OkWithoutChangesNeitherReloadsNorMovesThePanes) {
    const std::string left = WriteScratchFile("ok-left.txt", LongText("line ", 200));
    const std::string right = WriteScratchFile("ok-right.txt", LongText("line ", 201));
    StartedApp started({left, right});
    started.View().DoublePane().ScrollBoth(0, 50);
    WriteScratchFile("ok-left.txt", "changed on disk\n");
    started.dialogs.answer = AnswerOk(nullptr);
    started.Frame().RunCommand(kCmdOpen);
    ASSERT_EQ(started.dialogs.shown, std::vector<std::string>{"varnex::COpenFilesDlg"});
    EXPECT_EQ(RowText(started.View().DoublePane().Pane(Side::Left), 0), "line 0");
    EXPECT_EQ(started.View().DoublePane().Pane(Side::Left).Scroll().firstLine, 50);
    EXPECT_TRUE(started.messages.empty());
}

TEST(OpenCommand, TheDialogStartsWithTheCurrentFilesAndMode) {
    TwoFiles files;
    StartedApp started({"-S", files.left, files.right});
    QString first, second;
    std::optional<CompareMode> mode;
    started.dialogs.answer = [&](QDialog& dialog) {
        auto& open = dynamic_cast<COpenFilesDlg&>(dialog);
        first = open.File(Side::Left), second = open.File(Side::Right), mode = open.Mode();
        return int(QDialog::Rejected);
    };
    started.Frame().RunCommand(kCmdOpen);
    EXPECT_EQ(first.toStdString(), files.left);
    EXPECT_EQ(second.toStdString(), files.right);
    EXPECT_EQ(mode, CompareMode::CharWiseNoBlanks);
}

TEST(OpenCommand, OnlyTheModeChangedReloadsInTheNewModeAndKeepsGivenTitles) {
    TwoFiles files;
    StartedApp started({"-1:Alt", "-2:Neu", files.left, files.right});
    ASSERT_EQ(started.View().CompareModeInForce(), CompareMode::CharWise);
    started.dialogs.answer =
        AnswerOk([](COpenFilesDlg& dialog) { dialog.SetMode(CompareMode::LineWise); });
    started.Frame().RunCommand(kCmdOpen);
    EXPECT_EQ(started.View().CompareModeInForce(), CompareMode::LineWise);
    EXPECT_EQ(started.View().Engine().Mode(), CompareMode::LineWise);
    EXPECT_EQ(started.View().Title(Side::Left), "Alt");
    EXPECT_EQ(started.View().Title(Side::Right), "Neu");
}

TEST(OpenCommand, NewFilesReplaceGivenTitlesWithTheirPaths) {
    TwoFiles files;
    const std::string other = WriteScratchFile("doc-other.txt", "one\n");
    StartedApp started({"-1:Alt", "-2:Neu", files.left, files.right});
    started.dialogs.answer = AnswerOk(
        [&](COpenFilesDlg& dialog) { dialog.SetFile(Side::Right, QString::fromStdString(other)); });
    started.Frame().RunCommand(kCmdOpen);
    EXPECT_EQ(started.View().Path(Side::Right), other);
    EXPECT_EQ(started.View().Title(Side::Left).toStdString(), files.left);
    EXPECT_EQ(started.View().Title(Side::Right).toStdString(), other);
    EXPECT_FALSE(started.View().TitlesGiven());
}

TEST(OpenCommand, AMissingFileIsReportedWithItsSide) {
    TwoFiles files;
    const std::string missing = (test::ScratchFolder() / "no-such-file.txt").string();
    StartedApp started({files.left, files.right});
    started.dialogs.answer = AnswerOk([&](COpenFilesDlg& dialog) {
        dialog.SetFile(Side::Left, QString::fromStdString(missing));
    });
    started.Frame().RunCommand(kCmdOpen);
    ASSERT_EQ(started.messages.size(), 1u);
    EXPECT_EQ(started.messages[0].caption, "Fehler");
    EXPECT_EQ(started.messages[0].icon, QMessageBox::Critical);
    EXPECT_EQ(started.messages[0].text,
              QString::fromUtf8("Die erste Datei %1 konnte nicht geöffnet werden !")
                  .arg(QString::fromStdString(missing)));
}

TEST(OpenCommand, CancellingChangesNothing) {
    TwoFiles files;
    StartedApp started({files.left, files.right});
    started.dialogs.answer = [](QDialog& dialog) {
        dynamic_cast<COpenFilesDlg&>(dialog).SetMode(CompareMode::LineWise);
        return int(QDialog::Rejected);
    };
    started.Frame().RunCommand(kCmdOpen);
    EXPECT_EQ(started.View().CompareModeInForce(), CompareMode::CharWise);
    EXPECT_TRUE(started.messages.empty());
}

TEST(OpenCommand, ControlOOpensTheDialog) {
    TwoFiles files;
    StartedApp started({files.left, files.right});
    ActivateWindow(started.Frame());
    QTest::keyClick(&started.Frame(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(started.dialogs.shown, std::vector<std::string>{"varnex::COpenFilesDlg"});
}

TEST(ReloadCommand, FunctionKeyFiveReloadsAChangedFileAndKeepsTheScrollPosition) {
    const std::string left = WriteScratchFile("reload-left.txt", LongText("left ", 300));
    const std::string right = WriteScratchFile("reload-right.txt", LongText("left ", 300));
    StartedApp started({left, right});
    ActivateWindow(started.Frame());
    CTextDoubleWnd& panes = started.View().DoublePane();
    panes.ScrollBoth(0, 120);
    WriteScratchFile("reload-right.txt", LongText("right ", 300));
    QTest::keyClick(&started.Frame(), Qt::Key_F5);
    EXPECT_EQ(RowText(panes.Pane(Side::Right), 0), "right 0");
    EXPECT_EQ(panes.Pane(Side::Left).Scroll().firstLine, 120);
    EXPECT_EQ(panes.Pane(Side::Right).Scroll().firstLine, 120);
}

TEST(ReloadCommand, AtTheTopStaysAtTheTop) {
    TwoFiles files;
    StartedApp started({files.left, files.right});
    started.Frame().RunCommand(kCmdReload);
    EXPECT_EQ(started.View().DoublePane().Pane(Side::Left).Scroll().firstLine, 0);
    EXPECT_TRUE(started.messages.empty());
}

TEST(ReloadCommand, DisabledWithoutFilesAndReportsAVanishedFile) {
    StartedApp empty({"-N"});
    EXPECT_FALSE(empty.Frame().QueryCommand(kCmdReload).enabled);

    const std::string left = WriteScratchFile("vanish-left.txt", "a\n");
    const std::string right = WriteScratchFile("vanish-right.txt", "b\n");
    StartedApp started({left, right});
    EXPECT_TRUE(started.Frame().QueryCommand(kCmdReload).enabled);
    std::filesystem::remove(right);
    started.Frame().RunCommand(kCmdReload);
    ASSERT_EQ(started.messages.size(), 1u);
    EXPECT_EQ(started.messages[0].text,
              QString::fromUtf8("Die zweite Datei %1 konnte nicht geöffnet werden !")
                  .arg(QString::fromStdString(right)));
}

// A file name with byte 0xE4 (no UTF-8) goes through the open dialog, its history and F5
// unchanged.
TEST(OpenCommand, AFileNameThatIsNotUtf8SurvivesTheDialogAndTheReload) {
    const std::string left = WriteScratchFile("open-m\xe4n.txt", "one\ntwo\n");
    const std::string right = WriteScratchFile("open-right.txt", "one\n");
    const std::string other = WriteScratchFile("open-other.txt", "one\nTWO\n");
    StartedApp started({left, right});
    // Through the controls, as a user's OK goes: the left field keeps what the dialog showed.
    started.dialogs.answer = [&other](QDialog& dialog) {
        auto& open = dynamic_cast<COpenFilesDlg&>(dialog);
        open.show();
        open.FileBox(Side::Right).setEditText(QString::fromStdString(other));
        open.OkButton().click();
        return open.result();
    };
    started.Frame().RunCommand(kCmdOpen);
    EXPECT_TRUE(started.messages.empty());
    EXPECT_EQ(started.View().Path(Side::Left), left);
    EXPECT_EQ(started.View().Path(Side::Right), other);
    WriteScratchFile("open-m\xe4n.txt", "changed\n");
    started.Frame().RunCommand(kCmdReload);
    EXPECT_TRUE(started.messages.empty());
    EXPECT_EQ(RowText(started.View().DoublePane().Pane(Side::Left), 0), "changed");
    // The history offers the name again, as the same bytes.
    QString offered;
    started.dialogs.answer = [&offered](QDialog& dialog) {
        auto& open = dynamic_cast<COpenFilesDlg&>(dialog);
        open.show();
        if (open.FileBox(Side::Left).count() > 0) offered = open.FileBox(Side::Left).itemText(0);
        return int(QDialog::Rejected);
    };
    started.Frame().RunCommand(kCmdOpen);
    EXPECT_EQ(PathBytes(offered), left);
}

} // namespace
} // namespace varnex
