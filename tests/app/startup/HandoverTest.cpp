// Two instances started with -0: the waiting one hands its file to the later one.
#include "tests/app/frame/FrameTestSupport.h"

#include "app/dialogs/OpenFilesDlg.h"
#include "app/startup/Handover.h"
#include "app/startup/HandoverChannel.h"
#include "app/startup/HandoverMessages.h"
#include "common/SettingsKey.h"
#include "common/SettingsNumbers.h"
#include "tests/support/ScopedVariable.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>

#include <filesystem>

namespace varnex {
namespace {

using test::StartedApp;
using test::WriteScratchFile;

constexpr int kProcessTimeoutMs = 20000;

class HandoverTest : public testing::Test {
protected:
    void SetUp() override {
        const auto folder = test::ScratchFolder() / "handover-runtime";
        std::filesystem::create_directories(folder);
        runtime_.emplace("XDG_RUNTIME_DIR", folder.c_str());
    }

    // The real program, started with the test's settings hives and runtime folder.
    void StartProgram(QProcess& program, const QStringList& arguments) {
        program.setProgram(QStringLiteral(VARNEX_BINARY_DIR "/app/varnex"));
        program.setArguments(arguments);
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start();
        ASSERT_TRUE(program.waitForStarted(kProcessTimeoutMs));
    }

    // The waiting dialog can be found once its socket exists.
    static bool WaitUntilFindable(QProcess& program) {
        for (int i = 0; i < 400 && program.state() == QProcess::Running; ++i) {
            if (QFile::exists(HandoverSocketPath())) return true;
            QTest::qWait(50);
        }
        return false;
    }

    std::optional<test::ScopedVariable> runtime_;
};

TEST_F(HandoverTest, SecondInstanceComparesTheWaitingInstancesFileWithItsOwn) {
    const std::string first = WriteScratchFile("handover/first.txt", "a\nb\n");
    const std::string second = WriteScratchFile("handover/second.txt", "a\nc\n");
    StartedApp later;
    QProcess waiting;
    StartProgram(waiting, {"-S", "-0", QString::fromStdString(first)});
    ASSERT_TRUE(WaitUntilFindable(waiting));

    later.Start({"-0", second});
    waiting.waitForFinished(kProcessTimeoutMs); // false when it has ended already
    ASSERT_EQ(waiting.state(), QProcess::NotRunning);
    EXPECT_EQ(waiting.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(waiting.exitCode(), 1) << "the instance that handed over ends with failure";
    EXPECT_EQ(later.View().Path(Side::Left), first);
    EXPECT_EQ(later.View().Path(Side::Right), second);
    EXPECT_EQ(later.View().CompareModeInForce(), CompareMode::CharWiseNoBlanks)
        << "the waiting instance's mode";
    EXPECT_TRUE(later.Frame().isVisible());
    EXPECT_TRUE(later.dialogs.shown.empty());
}

TEST_F(HandoverTest, WithNobodyWaitingTheInstanceOpensItsOwnDialog) {
    const std::string file = WriteScratchFile("handover/alone.txt", "x\n");
    StartedApp alone;
    bool handoverMode = false;
    QString shownFile;
    alone.dialogs.answer = [&](QDialog& dialog) {
        auto& open = dynamic_cast<COpenFilesDlg&>(dialog);
        handoverMode = open.HandoverMode();
        shownFile = open.File(Side::Left);
        open.SetFile(Side::Left, "edited.txt");
        return int(QDialog::Rejected);
    };
    alone.Start({"-L", "-0", file});
    EXPECT_EQ(alone.dialogs.shown, std::vector<std::string>{"varnex::COpenFilesDlg"});
    EXPECT_TRUE(handoverMode);
    EXPECT_EQ(shownFile.toStdString(), file);
    EXPECT_EQ(alone.app.MainFrame(), nullptr) << "a cancelled waiting instance makes no window";
    EXPECT_TRUE(ReadHandoverDone());
    EXPECT_EQ(ReadHandoverMessage().path, std::optional<std::string>("edited.txt"));
    EXPECT_EQ(ReadHandoverMessage().mode, CompareMode::LineWise);
}

TEST_F(HandoverTest, ConfirmedWaitingDialogComparesItsFilesAndKeepsRunning) {
    const std::string left = WriteScratchFile("handover/ok-left.txt", "1\n");
    const std::string right = WriteScratchFile("handover/ok-right.txt", "2\n");
    StartedApp waiting;
    waiting.dialogs.answer = [&](QDialog& dialog) {
        auto& open = dynamic_cast<COpenFilesDlg&>(dialog);
        open.SetFile(Side::Right, QString::fromStdString(right));
        open.SetMode(CompareMode::LineWise);
        return int(QDialog::Accepted);
    };
    waiting.Start({"-0", left});
    ASSERT_NE(waiting.app.MainFrame(), nullptr);
    EXPECT_EQ(waiting.View().Path(Side::Left), left);
    EXPECT_EQ(waiting.View().Path(Side::Right), right);
    EXPECT_EQ(waiting.View().Engine().Mode(), CompareMode::LineWise);
    EXPECT_FALSE(ReadHandoverDone()) << "the values keep what the waiting instance wrote";
    EXPECT_FALSE(QFile::exists(HandoverSocketPath()) && RequestHandover(200));
}

// A damaged or foreign value must not become a compare mode.
TEST_F(HandoverTest, AStoredModeOutsideTheThreeModesIsNotTaken) {
    test::FreshUserHive hive;
    WriteHandoverMessage("/w/first.txt", CompareMode::LineWise, true);
    SettingsKey key;
    ASSERT_TRUE(key.Open(Hive::CurrentUser, OpenMode::Create) && key.OpenSub("Messages"));
    ASSERT_TRUE(WriteNumber(key, "Mode", 7));
    EXPECT_FALSE(ReadHandoverMessage().mode.has_value());

    StartOptions options = ParseStartOptions({"varnex", "-S", "-0", "/w/second.txt"});
    TakeHandedOverFile(options, [](int) {});
    EXPECT_EQ(options.fileCount, 2);
    EXPECT_EQ(options.File(Side::Left), "/w/first.txt");
    EXPECT_EQ(options.File(Side::Right), "/w/second.txt");
    EXPECT_EQ(options.compareMode, CompareMode::CharWiseNoBlanks) << "the own -S stays";
}

// The question is asked while the dialog is up, when a listener would be there.
TEST_F(HandoverTest, AnOrdinaryOpenDialogIsNotFound) {
    StartedApp plain;
    std::optional<bool> foundWhileOpen;
    plain.dialogs.answer = [&](QDialog&) {
        foundWhileOpen = RequestHandover(500);
        return int(QDialog::Rejected);
    };
    plain.Start({});
    ASSERT_EQ(plain.dialogs.shown, std::vector<std::string>{"varnex::COpenFilesDlg"});
    EXPECT_EQ(foundWhileOpen, false);
}

} // namespace
} // namespace varnex
