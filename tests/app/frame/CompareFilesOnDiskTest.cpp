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

    void Start() {
        left = Write("left.txt", "a\nb\n");
        right = Write("right.txt", "a\nc\n");
        started.Start({left, right});
    }

    // Sends a drop of `urls` to `target` as a file manager would, with a text copy beside.
    bool Drop(QWidget& target, const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        const QPoint at(target.width() / 2, target.height() / 2);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&target, &enter);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&target, &drop);
        QApplication::processEvents();
        return enter.isAccepted() && drop.isAccepted();
    }

    QWidget& PaneArea(Side side) { return *started.View().DoublePane().Pane(side).viewport(); }
    CComparePane& Pane(Side side) { return started.View().DoublePane().Pane(side); }
    ChangeNotice& Notice() { return started.Frame().Notice(); }
    QString Prompt() { return started.Frame().PromptPane().text(); }

    QTemporaryDir folder;
    StartedApp started;
    std::string left;
    std::string right;
};

TEST_F(CompareFilesOnDisk, TwoFilesDroppedOnTheWindowAreComparedAndEnterTheHistories) {
    Start();
    const std::string first = Write("first.txt", "x\n");
    const std::string second = Write("second.txt", "y\n");
    EXPECT_TRUE(Drop(started.Frame(), {QUrl::fromLocalFile(QString::fromStdString(first)),
                                       QUrl::fromLocalFile(QString::fromStdString(second))}));
    EXPECT_EQ(started.View().Path(Side::Left), first);
    EXPECT_EQ(started.View().Path(Side::Right), second);
    EXPECT_EQ(RowText(Pane(Side::Right), 0), "y");
    EXPECT_EQ(FileHistory::OfSide(Side::Left).Entries().front(), first);
    EXPECT_EQ(FileHistory::OfSide(Side::Right).Entries().front(), second);
}

TEST_F(CompareFilesOnDisk, OneFileDroppedOnAPaneReplacesThatSide) {
    Start();
    const std::string other = Write("other.txt", "a\nz\n");
    EXPECT_TRUE(Drop(PaneArea(Side::Right), {QUrl::fromLocalFile(QString::fromStdString(other))}));
    EXPECT_EQ(started.View().Path(Side::Left), left);
    EXPECT_EQ(started.View().Path(Side::Right), other);
    EXPECT_EQ(RowText(Pane(Side::Right), 1), "z");
    EXPECT_TRUE(started.messages.empty());
}

TEST_F(CompareFilesOnDisk, RefusedDropsLeaveTheComparisonAndSayWhyInTheStatusBar) {
    Start();
    const QUrl other = QUrl::fromLocalFile(QString::fromStdString(Write("other.txt", "q\n")));
    struct Refused {
        const char* name;
        QWidget* target;
        QList<QUrl> urls;
        QString prompt;
    };
    const Refused cases[] = {
        {"one file beside the panes",
         &started.Frame(),
         {other},
         "Zum Vergleichen zwei Dateien ablegen oder eine Datei auf einer Seite !"},
        {"a remote file",
         &PaneArea(Side::Left),
         {QUrl("https://example.org/a.txt")},
         "Nur Dateien auf diesem Rechner können verglichen werden !"},
        {"a folder",
         &PaneArea(Side::Left),
         {QUrl::fromLocalFile(folder.path())},
         folder.path() + " ist keine Datei und kann nicht verglichen werden !"},
        {"three files",
         &started.Frame(),
         {other, other, other},
         "Es können nur zwei Dateien verglichen werden !"},
    };
    for (const Refused& test : cases) {
        SCOPED_TRACE(test.name);
        Drop(*test.target, test.urls);
        EXPECT_EQ(Prompt(), test.prompt);
        EXPECT_EQ(started.View().Path(Side::Left), left);
        EXPECT_EQ(started.View().Path(Side::Right), right);
    }
}

// X11 may hand over an empty list at the drop; the list the drag entered with stands.
TEST_F(CompareFilesOnDisk, AListEmptyAtTheDropIsTakenFromTheEnteringDrag) {
    Start();
    const std::string other = Write("other.txt", "a\nz\n");
    QMimeData offered;
    offered.setUrls({QUrl::fromLocalFile(QString::fromStdString(other))});
    QMimeData atDrop;
    atDrop.setData(QStringLiteral("text/uri-list"), QByteArray());
    const QPoint at(5, 5);
    QDragEnterEvent enter(at, Qt::CopyAction, &offered, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&PaneArea(Side::Left), &enter);
    QDropEvent drop(at, Qt::CopyAction, &atDrop, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&PaneArea(Side::Left), &drop);
    EXPECT_EQ(started.View().Path(Side::Left), other);
    EXPECT_EQ(started.View().Path(Side::Right), right);
}

// The panes' own text drags carry no file list and stay theirs.
TEST_F(CompareFilesOnDisk, DroppedTextIsLeftToThePane) {
    Start();
    QMimeData data;
    data.setText(QString::fromStdString(left));
    QDropEvent drop(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    drop.ignore();
    QApplication::sendEvent(&PaneArea(Side::Left), &drop);
    EXPECT_FALSE(drop.isAccepted()); // a read-only pane takes no text
    EXPECT_EQ(started.View().Path(Side::Right), right);
}

TEST_F(CompareFilesOnDisk, AChangedFileIsNoticedAndReloadHidesTheNotice) {
    Start();
    EXPECT_TRUE(Notice().isHidden());
    Write("right.txt", "a\nc\nd\n");
    QTRY_VERIFY_WITH_TIMEOUT(Notice().isVisible(), kNoticeTimeoutMs);
    EXPECT_EQ(Notice().Text().text(),
              "Die Datei " + folder.filePath("right.txt") + " wurde geändert.");
    EXPECT_EQ(RowText(Pane(Side::Right), 2), "") << "no reload behind the user's back";
    Notice().ReloadButton().click();
    EXPECT_TRUE(Notice().isHidden());
    EXPECT_EQ(RowText(Pane(Side::Right), 2), "d");
}

TEST_F(CompareFilesOnDisk, ADeletedFileIsNoticedAndANewComparisonHidesTheNotice) {
    Start();
    std::filesystem::remove(left);
    QTRY_VERIFY_WITH_TIMEOUT(Notice().isVisible(), kNoticeTimeoutMs);
    EXPECT_EQ(Notice().Text().text(),
              "Die Datei " + folder.filePath("left.txt") + " wurde gelöscht.");
    const std::string first = Write("first.txt", "x\n");
    Drop(started.Frame(), {QUrl::fromLocalFile(QString::fromStdString(first)),
                           QUrl::fromLocalFile(QString::fromStdString(right))});
    EXPECT_TRUE(Notice().isHidden());
}

// An editor's save by rename replaces the watched file; the next save must still be seen.
TEST_F(CompareFilesOnDisk, AFileSavedByRenameIsStillWatchedAfterTheReload) {
    Start();
    for (const char* text : {"a\nb\nsaved once\n", "a\nb\nsaved twice, longer\n"}) {
        SCOPED_TRACE(text);
        Write("left.new", text);
        std::filesystem::rename(folder.filePath("left.new").toStdString(), left);
        QTRY_VERIFY_WITH_TIMEOUT(Notice().isVisible(), kNoticeTimeoutMs);
        EXPECT_TRUE(started.Frame().RunCommand(kCmdReload));
        EXPECT_TRUE(Notice().isHidden());
    }
    EXPECT_EQ(RowText(Pane(Side::Left), 2), "saved twice, longer");
}

} // namespace
} // namespace varnex
