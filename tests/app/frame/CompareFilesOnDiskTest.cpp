// The main window and the compared files: files dropped on it, and a file changed on disk.
#include "tests/app/frame/FrameTestSupport.h"

#include "app/dialogs/FileHistory.h"
#include "app/frame/ChangeNotice.h"
#include "res/CommandId.h"

#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <filesystem>

namespace varnex {
namespace {

using test::RowText;
using test::StartedApp;

// How long a notice may take: the settle time of the watch and the system's own delay.
constexpr int kNoticeTimeoutMs = 3000;

class CompareFilesOnDisk : public ::testing::Test {
protected:
    std::string Write(const char* name, const QByteArray& bytes) {
        QFile file(folder.filePath(name));
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(bytes);
        return folder.filePath(name).toStdString();
    }

    void SetUp() override {
        left = Write("left.txt", "a\nb\n");
        right = Write("right.txt", "a\nc\n");
        started.Start({left, right});
    }

    // Sends a drag carrying `entered` and its drop carrying `dropped` to `target`, as a file
    // manager would.
    bool Drop(QWidget& target, const QMimeData& entered, const QMimeData& dropped) {
        const QPoint at(target.width() / 2, target.height() / 2);
        QDragEnterEvent enter(at, Qt::CopyAction, &entered, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&target, &enter);
        QDropEvent drop(at, Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&target, &drop);
        QApplication::processEvents();
        return enter.isAccepted() && drop.isAccepted();
    }
    bool Drop(QWidget& target, const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        return Drop(target, data, data);
    }

    void ExpectCompared(const std::string& first, const std::string& second) {
        EXPECT_EQ(started.View().Path(Side::Left), first);
        EXPECT_EQ(started.View().Path(Side::Right), second);
    }

    QWidget& PaneArea(Side side) { return *started.View().DoublePane().Pane(side).viewport(); }
    CComparePane& Pane(Side side) { return started.View().DoublePane().Pane(side); }
    ChangeNotice& Notice() { return started.Frame().Notice(); }
    QString Prompt() { return started.Frame().PromptPane().text(); }
    // QTRY_VERIFY's failure would only return, unseen by gtest; this one is asserted.
    bool NoticeShown() {
        return QTest::qWaitFor([this] { return Notice().isVisible(); }, kNoticeTimeoutMs);
    }

    QTemporaryDir folder;
    StartedApp started;
    std::string left;
    std::string right;
};

QUrl Url(const std::string& path) {
    return QUrl::fromLocalFile(QString::fromStdString(path));
}

TEST_F(CompareFilesOnDisk, DroppedFilesAreComparedAndEnterTheHistories) {
    const std::string other = Write("other.txt", "a\nz\n");
    EXPECT_TRUE(Drop(PaneArea(Side::Right), {Url(other)}));
    ExpectCompared(left, other);
    EXPECT_EQ(RowText(Pane(Side::Right), 1), "z");

    const std::string first = Write("first.txt", "x\n");
    const std::string second = Write("second.txt", "y\n");
    EXPECT_TRUE(Drop(started.Frame(), {Url(first), Url(second)}));
    ExpectCompared(first, second);
    EXPECT_EQ(RowText(Pane(Side::Right), 0), "y");
    EXPECT_EQ(FileHistory::OfSide(Side::Left).Entries().front(), first);
    EXPECT_EQ(FileHistory::OfSide(Side::Right).Entries().front(), second);
    EXPECT_TRUE(started.messages.empty());
}

TEST_F(CompareFilesOnDisk, RefusedDropsLeaveTheComparisonAndSayWhyInTheStatusBar) {
    const QUrl other = Url(Write("other.txt", "q\n"));
    const QUrl remote("https://example.org/a.txt");
    const struct {
        QWidget* target;
        QList<QUrl> urls;
        QString prompt;
    } cases[] = {
        {&started.Frame(),
         {other},
         "Zum Vergleichen zwei Dateien ablegen oder eine Datei auf einer Seite !"},
        {&PaneArea(Side::Left),
         {remote},
         "Nur Dateien auf diesem Rechner können verglichen werden !"},
        {&PaneArea(Side::Left),
         {Url(folder.path().toStdString())},
         folder.path() + " ist keine Datei und kann nicht verglichen werden !"},
        {&started.Frame(), {other, other, other}, "Es können nur zwei Dateien verglichen werden !"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.prompt.toStdString());
        Drop(*test.target, test.urls);
        EXPECT_EQ(Prompt(), test.prompt);
        ExpectCompared(left, right);
    }
}

// X11 may hand over an empty list at the drop; the list the drag entered with stands.
TEST_F(CompareFilesOnDisk, AListEmptyAtTheDropIsTakenFromTheEnteringDrag) {
    const std::string other = Write("other.txt", "a\nz\n");
    QMimeData offered;
    offered.setUrls({Url(other)});
    QMimeData atDrop;
    atDrop.setData(QStringLiteral("text/uri-list"), QByteArray());
    Drop(PaneArea(Side::Left), offered, atDrop);
    ExpectCompared(other, right);
}

// The panes' own text drags carry no file list and stay theirs.
TEST_F(CompareFilesOnDisk, DroppedTextIsLeftToThePane) {
    QMimeData data;
    data.setText(QString::fromStdString(left));
    QDropEvent drop(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    drop.ignore();
    QApplication::sendEvent(&PaneArea(Side::Left), &drop);
    EXPECT_FALSE(drop.isAccepted()); // a read-only pane takes no text
    EXPECT_EQ(started.View().Path(Side::Right), right);
}

TEST_F(CompareFilesOnDisk, AChangedFileIsNoticedAndReloadHidesTheNotice) {
    EXPECT_TRUE(Notice().isHidden());
    Write("right.txt", "a\nc\nd\n");
    ASSERT_TRUE(NoticeShown());
    EXPECT_EQ(Notice().Text().text(),
              "Die Datei " + folder.filePath("right.txt") + " wurde geändert.");
    EXPECT_EQ(RowText(Pane(Side::Right), 2), "") << "no reload behind the user's back";
    Notice().ReloadButton().click();
    EXPECT_TRUE(Notice().isHidden());
    EXPECT_EQ(RowText(Pane(Side::Right), 2), "d");
}

TEST_F(CompareFilesOnDisk, ADeletedFileIsNoticedAndANewComparisonHidesTheNotice) {
    std::filesystem::remove(left);
    ASSERT_TRUE(NoticeShown());
    EXPECT_EQ(Notice().Text().text(),
              "Die Datei " + folder.filePath("left.txt") + " wurde gelöscht.");
    const std::string first = Write("first.txt", "x\n");
    Drop(started.Frame(), {Url(first), Url(right)});
    EXPECT_TRUE(Notice().isHidden());
}

// An editor's save by rename replaces the watched file; the next save must still be seen.
TEST_F(CompareFilesOnDisk, AFileSavedByRenameIsStillWatchedAfterTheReload) {
    for (const char* text : {"a\nb\nsaved once\n", "a\nb\nsaved twice, longer\n"}) {
        SCOPED_TRACE(text);
        Write("left.new", text);
        std::filesystem::rename(folder.filePath("left.new").toStdString(), left);
        ASSERT_TRUE(NoticeShown());
        EXPECT_TRUE(started.Frame().RunCommand(kCmdReload));
        EXPECT_TRUE(Notice().isHidden());
    }
    EXPECT_EQ(RowText(Pane(Side::Left), 2), "saved twice, longer");
}

} // namespace
} // namespace varnex
