// The open-files dialog: fields and mode, history lists, browsing, and the hand-over position.
#include "tests/app/compare/ViewTestSupport.h"

#include "app/dialogs/FileHistory.h"
#include "app/dialogs/OpenDialogPosition.h"
#include "app/dialogs/OpenFilesDlg.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace varnex {
namespace {

using test::FreshUserHive;

QStringList Items(QComboBox& box) {
    QStringList items;
    for (int i = 0; i < box.count(); ++i)
        items << box.itemText(i);
    return items;
}

// A dialog shown without a modal loop, as it would be after exec() starts.
struct ShownDialog {
    explicit ShownDialog(const QString& first = {}, const QString& second = {},
                         CompareMode mode = CompareMode::CharWise, bool handover = false) {
        dialog.SetFile(Side::Left, first);
        dialog.SetFile(Side::Right, second);
        dialog.SetMode(mode);
        dialog.SetHandoverMode(handover);
        dialog.show();
        QApplication::processEvents();
    }
    COpenFilesDlg dialog;
};

TEST(OpenFilesDialog, FieldsAndModeGoIntoTheControlsAndComeBackOnOk) {
    FreshUserHive hive;
    ShownDialog shown("/a/left.txt", "/a/right.txt", CompareMode::CharWiseNoBlanks);
    EXPECT_EQ(shown.dialog.windowTitle(), QString::fromUtf8("Dateien öffenen"));
    EXPECT_EQ(shown.dialog.FileBox(Side::Left).currentText(), "/a/left.txt");
    EXPECT_TRUE(shown.dialog.ModeButton(CompareMode::CharWiseNoBlanks).isChecked());
    EXPECT_EQ(shown.dialog.ModeButton(CompareMode::CharWiseNoBlanks).text(),
              "Zeichenweise ohne Leerstellen");
    EXPECT_EQ(shown.dialog.CancelButton().text(), "Abbrechen");
    shown.dialog.FileBox(Side::Right).setEditText("/b/other.txt");
    shown.dialog.ModeButton(CompareMode::LineWise).click();
    shown.dialog.OkButton().click();
    EXPECT_EQ(shown.dialog.result(), QDialog::Accepted);
    EXPECT_EQ(shown.dialog.File(Side::Right), "/b/other.txt");
    EXPECT_EQ(shown.dialog.Mode(), CompareMode::LineWise);
}

TEST(OpenFilesDialog, ASecondDialogListsWhatTheFirstOkAddedMostRecentFirst) {
    FreshUserHive hive;
    {
        ShownDialog first("/x/one.txt", "/x/two.txt");
        first.dialog.OkButton().click();
    }
    {
        ShownDialog second("/x/three.txt", "/x/two.txt");
        EXPECT_EQ(Items(second.dialog.FileBox(Side::Left)), QStringList{"/x/one.txt"});
        EXPECT_EQ(second.dialog.FileBox(Side::Left).currentText(), "/x/three.txt");
        second.dialog.OkButton().click();
    }
    ShownDialog third;
    EXPECT_EQ(Items(third.dialog.FileBox(Side::Left)), (QStringList{"/x/three.txt", "/x/one.txt"}));
    EXPECT_EQ(Items(third.dialog.FileBox(Side::Right)), QStringList{"/x/two.txt"});
}

TEST(OpenFilesDialog, CancelRecordsNoHistory) {
    FreshUserHive hive;
    {
        ShownDialog cancelled("/y/a.txt", "/y/b.txt");
        cancelled.dialog.CancelButton().click();
        EXPECT_EQ(cancelled.dialog.result(), QDialog::Rejected);
    }
    EXPECT_TRUE(FileHistory("File1").Entries().empty());
}

TEST(FileHistoryList, BoundedWithoutDuplicatesOrEmptyEntries) {
    FreshUserHive hive;
    const FileHistory history("File2");
    for (int i = 0; i < 20; ++i)
        history.Add("/f/" + std::to_string(i));
    history.Add("/f/5");
    history.Add("");
    const std::vector<std::string> entries = history.Entries();
    ASSERT_EQ(entries.size(), FileHistory::kMaxEntries);
    EXPECT_EQ(entries[0], "/f/5");
    EXPECT_EQ(entries[1], "/f/19");
    EXPECT_EQ(std::count(entries.begin(), entries.end(), "/f/5"), 1);
    EXPECT_TRUE(FileHistory("File1").Entries().empty());
}

TEST(OpenFilesBrowse, TheChosenFileFillsItsSideAndKeepsTheOtherEditedText) {
    FreshUserHive hive;
    ShownDialog shown("/docs/old/left.txt");
    shown.dialog.FileBox(Side::Left).setEditText("/docs/old/edited.txt");
    QString start;
    shown.dialog.SetFileChooser([&](QWidget*, const QString& from) {
        start = from;
        return QString("/docs/new/right.txt");
    });
    shown.dialog.BrowseButton(Side::Right).click();
    EXPECT_EQ(start, "/docs/old"); // the second file has none yet: the first one's folder
    EXPECT_EQ(shown.dialog.FileBox(Side::Right).currentText(), "/docs/new/right.txt");
    EXPECT_EQ(shown.dialog.FileBox(Side::Left).currentText(), "/docs/old/edited.txt");
}

TEST(OpenFilesBrowse, CancellingLeavesBothFieldsAsEdited) {
    FreshUserHive hive;
    ShownDialog shown("/p/a.txt", "/p/b.txt");
    shown.dialog.FileBox(Side::Left).setEditText("/p/typed.txt");
    QString start;
    shown.dialog.SetFileChooser([&](QWidget*, const QString& from) {
        start = from;
        return QString();
    });
    shown.dialog.BrowseButton(Side::Left).click();
    EXPECT_EQ(start, "/p/typed.txt");
    EXPECT_EQ(shown.dialog.FileBox(Side::Left).currentText(), "/p/typed.txt");
    EXPECT_EQ(shown.dialog.FileBox(Side::Right).currentText(), "/p/b.txt");
}

TEST(OpenFilesHandover, TheNextHandoverDialogOpensWhereTheLastOneClosed) {
    FreshUserHive hive;
    {
        ShownDialog moved({}, {}, CompareMode::CharWise, true);
        moved.dialog.move(123, 77);
        moved.dialog.OkButton().click();
    }
    ShownDialog next({}, {}, CompareMode::CharWise, true);
    EXPECT_EQ(next.dialog.pos(), QPoint(123, 77));
    EXPECT_EQ(ReadOpenDialogPosition({}), QPoint(123, 77));
}

TEST(OpenFilesHandover, APositionOutsideTheScreenIsNotUsed) {
    FreshUserHive hive;
    WriteOpenDialogPosition({100000, 50});
    ShownDialog shown({}, {}, CompareMode::CharWise, true);
    EXPECT_NE(shown.dialog.pos().x(), 100000);
    EXPECT_TRUE(OpenDialogPositionFits({991, 591}, {1000, 600}));
    EXPECT_FALSE(OpenDialogPositionFits({992, 10}, {1000, 600}));
    EXPECT_FALSE(OpenDialogPositionFits({10, 592}, {1000, 600}));
}

TEST(OpenFilesHandover, HandoverTakesTheFieldsKeepsThePositionAndClosesAsCancelled) {
    FreshUserHive hive;
    ShownDialog shown("/h/mine.txt", {}, CompareMode::CharWise, true);
    shown.dialog.FileBox(Side::Left).setEditText("/h/edited.txt");
    shown.dialog.ModeButton(CompareMode::LineWise).click();
    shown.dialog.move(40, 30);
    shown.dialog.Handover();
    EXPECT_EQ(shown.dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(shown.dialog.isVisible());
    EXPECT_EQ(shown.dialog.File(Side::Left), "/h/edited.txt");
    EXPECT_EQ(shown.dialog.Mode(), CompareMode::LineWise);
    EXPECT_EQ(ReadOpenDialogPosition({}), QPoint(40, 30));
    EXPECT_TRUE(FileHistory("File1").Entries().empty());
}

TEST(OpenFilesHandover, OutsideHandoverModeNeitherHandoverNorOkStoresAPosition) {
    FreshUserHive hive;
    ShownDialog shown("/h/mine.txt");
    shown.dialog.move(40, 30);
    shown.dialog.Handover();
    EXPECT_TRUE(shown.dialog.isVisible());
    shown.dialog.OkButton().click();
    EXPECT_EQ(ReadOpenDialogPosition({-1, -1}), QPoint(-1, -1));
}

TEST(OpenFilesDialog, HistoryIsOfferedBelowTheFieldNeverTypedIntoItAndByExactCase) {
    FreshUserHive hive;
    {
        ShownDialog first("/tmp/files/b.txt", "/tmp/other.txt");
        first.dialog.OkButton().click();
    }
    ShownDialog second;
    QComboBox& box = second.dialog.FileBox(Side::Left);
    box.lineEdit()->clear();
    QTest::keyClicks(box.lineEdit(), "/tmp/files");
    EXPECT_EQ(box.currentText(), "/tmp/files") << "no inline completion";
    EXPECT_EQ(box.completer()->completionMode(), QCompleter::PopupCompletion);
    EXPECT_EQ(box.completer()->currentCompletion(), "/tmp/files/b.txt");
    box.lineEdit()->clear();
    QTest::keyClicks(box.lineEdit(), "/TMP/f");
    EXPECT_EQ(box.currentText(), "/TMP/f");
    EXPECT_EQ(box.completer()->completionCount(), 0) << "another file on this platform";
}

} // namespace
} // namespace varnex
