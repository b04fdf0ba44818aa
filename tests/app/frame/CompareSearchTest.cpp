// Searching a comparison as a user does it from the main window: F3, Ctrl+F3 and the find
// dialog in the pane with the focus, the other pane following; marked words; the font command
// and the editor options the view reads at start.
#include "tests/app/frame/FrameTestSupport.h"

#include "app/doublepane/TextDoubleWnd.h"
#include "common/SettingsKey.h"
#include "common/SettingsNumbers.h"
#include "common/SettingsText.h"
#include "res/CommandId.h"
#include "tests/support/ScopedVariable.h"
#include "tests/support/ScratchFiles.h"
#include "tests/textview/support/SavedPaneGlobals.h"
#include "textview/model/search/SearchHistory.h"
#include "textview/model/settings/EditOptions.h"
#include "textview/model/settings/TabWidth.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include <set>

#include <gtest/gtest.h>

namespace varnex {
namespace {

using test::ShownFrame;

constexpr std::string_view kEditorPath = "Software\\Tamsel\\Scribent\\Text";

std::string Rows(int count, int wordRow, const std::string& word) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += (i == wordRow ? "the " + word : "row " + std::to_string(i)) + "\n";
    return text;
}

// True when the light red bar of a marked word runs under the cell's middle.
bool BarUnder(const QImage& image, CComparePane& pane, int column, int row) {
    const QColor bar(0xFF, 0x80, 0x80);
    const QRect cell = test::CellRect(pane, column, row);
    for (int y = cell.top(); y <= cell.bottom(); ++y) {
        if (image.pixelColor(cell.center().x(), y) == bar) return true;
    }
    return false;
}

class CompareSearchTest : public test::PaneGlobalsTest {
protected:
    CompareSearchTest() {
        SearchHistory::Restore({});
        for (const Side side : kBothSides) {
            DialogSeams seams;
            seams.run = [this](QDialog& dialog) { return dialogs.Run(dialog); };
            seams.showMessage = [this](QWidget*, QMessageBox::Icon, const QString&,
                                       const QString& text) { messages.push_back(text); };
            Pane(side).SetDialogSeams(seams);
        }
    }

    void Compare(const std::string& left, const std::string& right) {
        frame->View().LoadAndCompare(test::WriteScratchFile("search-left.txt", left),
                                     test::WriteScratchFile("search-right.txt", right));
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.frame.get()));
    }
    CComparePane& Pane(Side side) { return frame->View().DoublePane().Pane(side); }

    ShownFrame frame;
    test::DialogRecorder dialogs;
    QStringList messages;
};

TEST_F(CompareSearchTest, TheFindDialogFindsAWordFarDownAndF3FindsTheNext) {
    std::string left = Rows(60000, 41000, "needle");
    left.replace(left.find("row 50000\n"), 9, "needle 50000");
    Compare(left, Rows(60000, 41000, "needle"));
    Pane(Side::Right).setFocus();
    QApplication::processEvents();
    dialogs.answer = [](QDialog& dialog) {
        dialog.findChild<QComboBox*>()->setEditText(QStringLiteral("needle"));
        for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
            if (button->text() == QStringLiteral("OK")) button->click();
        }
        return dialog.result();
    };
    ASSERT_TRUE(frame->RunCommand(kCmdFind));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(Pane(Side::Right).Editor().Caret().SelectionStart(), (TextPosition{4, 41000}));
    QApplication::processEvents();
    const int top = Pane(Side::Right).Scroll().firstLine;
    EXPECT_LE(top, 41000);
    EXPECT_GT(top + Pane(Side::Right).Scroll().visibleLines, 41000);
    EXPECT_EQ(Pane(Side::Left).Scroll().firstLine, top) << "the other pane follows";

    Pane(Side::Left).setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(frame->RunCommand(kCmdFindNext)) << "F3 in the other pane";
    ASSERT_TRUE(frame->RunCommand(kCmdFindNext));
    EXPECT_EQ(Pane(Side::Left).Editor().Caret().SelectionStart(), (TextPosition{0, 50000}));
    EXPECT_TRUE(messages.isEmpty());
    ASSERT_TRUE(frame->RunCommand(kCmdFindNext));
    EXPECT_EQ(messages, QStringList{"Text wurde nicht gefunden !"});
}

TEST_F(CompareSearchTest, AHitOfTheFindDialogShowsInTheStatusBarAtOnce) {
    Compare(Rows(100, 70, "TSLanguage"), Rows(100, 70, "TSLanguage"));
    Pane(Side::Left).setFocus();
    QApplication::processEvents();
    dialogs.answer = [this](QDialog& dialog) {
        // A modal dialog takes the window's activation from the pane, as on a desktop.
        QFocusEvent deactivated(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(&Pane(Side::Left), &deactivated);
        dialog.findChild<QComboBox*>()->setEditText(QStringLiteral("tslanguage"));
        for (QCheckBox* box : dialog.findChildren<QCheckBox*>()) {
            if (box->text().contains(QStringLiteral("ignorieren"))) box->setChecked(true);
        }
        for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
            if (button->text() == QStringLiteral("OK")) button->click();
        }
        return dialog.result();
    };
    ASSERT_TRUE(frame->RunCommand(kCmdFind));
    EXPECT_EQ(frame->CaretPane().text(), QStringLiteral(" Zeile: 71  Spalte: 15 (10)"));
}

TEST_F(CompareSearchTest, CtrlF3SearchesTheWordAtTheCaret) {
    Compare("alpha beta\nbeta\n", "alpha\n");
    Pane(Side::Left).setFocus();
    QTest::keyClick(&Pane(Side::Left), Qt::Key_End);
    ASSERT_TRUE(frame->RunCommand(kCmdFindSelected));
    EXPECT_EQ(Pane(Side::Left).Editor().Caret().SelectionStart(), (TextPosition{0, 1}));
    EXPECT_EQ(SearchHistory::Entries().front(), "beta");
}

TEST_F(CompareSearchTest, TheWordAtTheCaretIsMarkedWhenTheOptionsSaySo) {
    Compare("mark this mark\nmark\n", "other\n");
    EXPECT_TRUE(EditOptions::Get() & EditOptions::kWordMarkingAvailable) << "the view offers it";
    Pane(Side::Left).SetEditOptions({0x100000, EditOptions::kWordMarkingMode});
    Pane(Side::Left).setFocus();
    QApplication::processEvents();
    const QImage image = test::GrabPane(Pane(Side::Left));
    EXPECT_TRUE(BarUnder(image, Pane(Side::Left), 1, 0));
    EXPECT_TRUE(BarUnder(image, Pane(Side::Left), 11, 0));
    EXPECT_TRUE(BarUnder(image, Pane(Side::Left), 2, 1));
    EXPECT_FALSE(BarUnder(image, Pane(Side::Left), 6, 0)) << "\"this\" is another word";
}

TEST_F(CompareSearchTest, WortHervorhebenMarksTheWordInBothPanesWithTheDefaultOptions) {
    Compare("return a;\nx = 1;\nreturn b;\n", "x = 2;\nreturn b;\n");
    EditOptions::Set(0, EditOptions::kWordMarkingMode);
    Pane(Side::Left).setFocus();
    QApplication::processEvents();
    dialogs.answer = [](QDialog& dialog) {
        dialog.findChild<QComboBox*>()->setEditText(QStringLiteral("return"));
        for (QCheckBox* box : dialog.findChildren<QCheckBox*>()) {
            if (box->text() == QStringLiteral("Wort hervorheben")) box->setChecked(true);
        }
        for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
            if (button->text() == QStringLiteral("OK")) button->click();
        }
        return dialog.result();
    };
    ASSERT_TRUE(frame->RunCommand(kCmdFind));
    QApplication::processEvents();
    const QImage left = test::GrabPane(Pane(Side::Left));
    const QImage right = test::GrabPane(Pane(Side::Right));
    const int rightRow = 2; // the placeholder for "return a;" comes first
    EXPECT_TRUE(BarUnder(left, Pane(Side::Left), 1, 2)) << "the other return of the searched pane";
    EXPECT_TRUE(BarUnder(right, Pane(Side::Right), 1, rightRow)) << "the other pane too";
    EXPECT_FALSE(BarUnder(right, Pane(Side::Right), 0, 1)) << "\"x\" is no match";
}

TEST_F(CompareSearchTest, TheFontCommandServesBothPanesAndIsKeptForTheNextStart) {
    // Hives of its own, so that only what this comparison stores is looked at.
    const test::ScopedVariable ownUserHive("TAMSEL_USER_HIVE",
                                           (test::ScratchFolder() / "font-user.reg").c_str());
    const test::ScopedVariable ownMachineHive("TAMSEL_MACHINE_HIVE",
                                              (test::ScratchFolder() / "font-machine.reg").c_str());
    Compare("x\n", "y\n");
    const int before = Pane(Side::Right).CellSize().height();
    int asked = 0;
    Pane(Side::Left).SetFontChooser([&](const QFont& initial, QWidget*) -> std::optional<QFont> {
        ++asked;
        QFont chosen(initial);
        chosen.setPixelSize(40);
        return chosen;
    });
    ASSERT_TRUE(frame->RunCommand(kCmdFont));
    EXPECT_EQ(asked, 1);
    EXPECT_GT(Pane(Side::Right).CellSize().height(), before);
    SettingsKey key;
    ASSERT_TRUE(key.Open(Hive::CurrentUser, kEditorPath, OpenMode::Read));
    EXPECT_EQ(key.ValueSize("Font"), 44);
    // The difference styles are made anew for every comparison and not stored: read back, they
    // would pile up as the group's own styles.
    ASSERT_TRUE(key.OpenSub("Colors"));
    std::set<std::string> stored;
    while (key.OpenSubNext()) {
        stored.insert(key.KeyName());
        key.Close();
    }
    EXPECT_TRUE(stored.count("1") && stored.count("2")) << "Standard and Markierung";
    const StyleTable& styles = Pane(Side::Left).Resources().Styles();
    int derived = 0;
    for (int index = 0; index < styles.Count(); ++index) {
        if (styles.Get(index)->kept) continue;
        ++derived;
        EXPECT_EQ(stored.count(std::to_string(styles.Get(index)->id)), 0u)
            << "difference style " << styles.Get(index)->id;
    }
    EXPECT_GT(derived, 4);
}

TEST(CompareSearchOptions, TheViewReadsTheStoredEditorOptions) {
    test::SavedPaneGlobals saved;
    test::FreshUserHive hive;
    {
        SettingsKey key;
        ASSERT_TRUE(key.Open(Hive::CurrentUser, kEditorPath, OpenMode::Create));
        ASSERT_TRUE(WriteNumber(key, "Flags", 0x200000 | EditOptions::kBracketSearch));
        ASSERT_TRUE(WriteNumber(key, "Tabualtor", 40));
        ASSERT_TRUE(WriteTextList(key, "Find", {"older", "old"}));
    }
    TabWidth::Set(8);
    CVarnexView view;
    EXPECT_EQ(TabWidth::Get(), 4) << "a stored width outside 1..32 becomes 4";
    EXPECT_EQ(EditOptions::Get() & EditOptions::kWordMarkingMode, 0x200000u);
    EXPECT_TRUE(EditOptions::Get() & EditOptions::kBracketSearch);
    EXPECT_EQ(SearchHistory::Entries(), (std::vector<std::string>{"older", "old"}));
}

} // namespace
} // namespace varnex
