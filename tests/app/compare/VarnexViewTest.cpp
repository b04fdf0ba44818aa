// The compare view on real file pairs: colours, too many rows, modes, reload, titles, settings.
#include "tests/app/compare/ViewTestSupport.h"

#include "res/CommandId.h"
#include "common/SettingsKey.h"
#include "res/StringId.h"
#include "res/StringTable.h"

#include <gtest/gtest.h>

#include <QGuiApplication>

namespace varnex {
namespace {

using test::CellBackground;
using test::Rgb;
using test::ShownView;
using test::WindowBackground;

const QColor kLightRed = Rgb(kRemovedBackground);
const QColor kLightGreen = Rgb(kInsertedBackground);
const QColor kLightBlue = Rgb(kChangedBackground);
const QColor kLightYellow = Rgb(kPlaceholderBackground);

TEST(CompareViewColours, RemovedLineIsLightRedBesideALightYellowPlaceholder) {
    ShownView shown;
    ASSERT_EQ(shown.Compare("same\ngone\nend\n", "same\nend\n"), kCompareOk);
    EXPECT_EQ(CellBackground(shown.Pane(0), 0, 1), kLightRed);
    EXPECT_EQ(CellBackground(shown.Pane(0), 3, 1), kLightRed);
    EXPECT_EQ(CellBackground(shown.Pane(1), 0, 1), kLightYellow);
    EXPECT_EQ(CellBackground(shown.Pane(0), 0, 0), WindowBackground(shown.Pane(0)));
}

TEST(CompareViewColours, InsertedLineIsLightGreen) {
    ShownView shown;
    ASSERT_EQ(shown.Compare("same\nend\n", "same\nadded\nend\n"), kCompareOk);
    EXPECT_EQ(CellBackground(shown.Pane(1), 0, 1), kLightGreen);
    EXPECT_EQ(CellBackground(shown.Pane(1), 4, 1), kLightGreen);
    EXPECT_EQ(CellBackground(shown.Pane(0), 0, 1), kLightYellow);
}

TEST(CompareViewColours, ChangedPairIsLightBlueWhereItDiffersInCharacterMode) {
    ShownView shown;
    ASSERT_EQ(shown.view->SetCompareMode(1), 1);
    ASSERT_EQ(shown.Compare("alpha beta\n", "alpha gamma\n"), kCompareOk);
    for (int side = 0; side < 2; ++side) {
        EXPECT_EQ(CellBackground(shown.Pane(side), 0, 0), WindowBackground(shown.Pane(side)))
            << side;
        EXPECT_EQ(CellBackground(shown.Pane(side), 4, 0), WindowBackground(shown.Pane(side)))
            << side;
        EXPECT_EQ(CellBackground(shown.Pane(side), 6, 0), kLightBlue) << side;
    }
}

TEST(CompareViewColours, EmptyLineInAChangedBlockIsOneBlankOnLightBlue) {
    ShownView shown;
    ASSERT_EQ(shown.Compare("a\n\nb\n", "a\nx\nb\n"), kCompareOk);
    const TextLine* line = shown.Pane(0).GetLine(1);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(line->Text()), line->Length()), " ");
    EXPECT_EQ(CellBackground(shown.Pane(0), 0, 1), kLightBlue);
    EXPECT_EQ(CellBackground(shown.Pane(0), 0, 2), WindowBackground(shown.Pane(0)));
}

TEST(CompareViewColours, IdenticalFilesShowNoDifferenceColours) {
    ShownView shown;
    ASSERT_EQ(shown.Compare("one\n\ntwo three\n", "one\n\ntwo three\n"), kCompareOk);
    EXPECT_EQ(shown.view->Engine().BlockCount(), 0);
    for (int side = 0; side < 2; ++side) {
        for (int row = 0; row < 3; ++row) {
            for (int column = 0; column < 4; ++column) {
                EXPECT_EQ(CellBackground(shown.Pane(side), column, row),
                          WindowBackground(shown.Pane(side)));
            }
        }
    }
    CommandState state{true, true};
    ASSERT_TRUE(shown.view->OnUpdateCommand(kCmdNextBlock, state));
    EXPECT_FALSE(state.enabled);
}

TEST(CompareViewLimits, TooManyRowsWarnOnceAfterThePanesAreFilled) {
    std::string text;
    for (int line = 0; line < 65600; ++line)
        text += "line " + std::to_string(line) + "\n";
    ShownView shown;
    int filledRows = -1;
    bool busyCursorShown = true;
    int calls = 0;
    shown.view->SetMessageBox([&](QWidget*, QMessageBox::Icon icon, const QString& caption,
                                  const QString& message) {
        ++calls;
        filledRows = std::min(shown.Pane(0).LineCount(), shown.Pane(1).LineCount());
        busyCursorShown = QGuiApplication::overrideCursor() != nullptr;
        EXPECT_EQ(icon, QMessageBox::Warning);
        EXPECT_EQ(caption, "Warnung");
        EXPECT_EQ(message, "Es sind zuviele Zeilen vorhanden !\nEs wird nur ein Teil angezeig.");
    });
    ASSERT_EQ(shown.Compare(text, text), kCompareOk);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(filledRows, 65520);
    EXPECT_EQ(shown.view->Engine().Rows().Count(), 65520);
    EXPECT_FALSE(busyCursorShown);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(CompareViewLimits, FailedLoadsLeaveThePanesAndRestoreTheCursor) {
    ShownView shown;
    ASSERT_EQ(shown.Compare("kept\n", "kept too\n"), kCompareOk);
    const std::string present = test::WriteScratchFile("present.txt", "x\n");
    const std::string missing = (test::ScratchFolder() / "missing.txt").string();
    EXPECT_EQ(shown.view->LoadAndCompare(missing, present), kFirstFileFailed);
    EXPECT_EQ(shown.view->LoadAndCompare(present, test::ScratchFolder().string()),
              kSecondFileFailed);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(shown.Pane(0).LineCount(), 1);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(shown.Pane(1).GetLine(0)->Text())),
              "kept too");
    EXPECT_TRUE(shown.messages.empty());
}

TEST(CompareViewModes, ComparesAgainOnlyWhenTheModeChangesAndBothFilesExist) {
    ShownView shown;
    ASSERT_EQ(shown.Compare("a b\n", "a  b\n"), kCompareOk);
    EXPECT_EQ(shown.view->Engine().BlockCount(), 1);
    test::WriteScratchFile("right.txt", "a b\n"); // a new compare would find no difference
    EXPECT_EQ(shown.view->SetCompareMode(1), 1);
    EXPECT_EQ(shown.view->Engine().BlockCount(), 1);
    EXPECT_EQ(shown.view->SetCompareMode(7), 1);
    EXPECT_TRUE(shown.view->OnCommand(kCmdLineWise));
    EXPECT_EQ(shown.view->CompareModeInForce(), 0);
    EXPECT_EQ(shown.view->Engine().BlockCount(), 0);
    CommandState state;
    ASSERT_TRUE(shown.view->OnUpdateCommand(kCmdLineWise, state));
    EXPECT_TRUE(state.checked && state.enabled);
    ASSERT_TRUE(shown.view->OnUpdateCommand(kCmdCharWise, state));
    EXPECT_FALSE(state.checked);
}

TEST(CompareViewModes, AMissingFileOnlyStoresTheMode) {
    ShownView shown;
    ASSERT_EQ(shown.Compare("a b\n", "a  b\n"), kCompareOk);
    std::filesystem::remove(test::ScratchFolder() / "right.txt");
    EXPECT_EQ(shown.view->SetCompareMode(2), 2);
    EXPECT_EQ(shown.view->Engine().Mode(), CompareMode::CharWise);
    EXPECT_EQ(shown.view->Engine().Rows().Count(), 1);
    EXPECT_TRUE(shown.messages.empty());
}

TEST(CompareViewReload, KeepsTheScrollPositionAndReadsTheFilesAgain) {
    std::string left;
    for (int line = 0; line < 300; ++line)
        left += "a rather long line number " + std::to_string(line) + "\n";
    ShownView shown(401, 300);
    CommandState state{true, false};
    ASSERT_TRUE(shown.view->OnUpdateCommand(kCmdReload, state));
    EXPECT_FALSE(state.enabled);
    EXPECT_FALSE(shown.view->OnCommand(kCmdReload)); // the document carries it out
    ASSERT_EQ(shown.Compare(left, left), kCompareOk);
    ASSERT_TRUE(shown.view->OnUpdateCommand(kCmdReload, state));
    EXPECT_TRUE(state.enabled);
    shown.view->DoublePane().ScrollBoth(3, 120);
    test::WriteScratchFile("right.txt", left + "added\n");
    EXPECT_EQ(shown.view->Reload(), kCompareOk);
    EXPECT_EQ(shown.view->Engine().BlockCount(), 1);
    EXPECT_EQ(shown.Pane(1).Scroll().firstLine, 120);
    EXPECT_EQ(shown.Pane(1).Scroll().firstColumn, 3);
    EXPECT_EQ(shown.view->TopRow(), 120);
    EXPECT_EQ(shown.view->FirstColumn(), 3);
}

TEST(CompareViewTitles, PathsBecomeTitlesUnlessTitlesWereGiven) {
    ShownView shown(1001, 300);
    ASSERT_EQ(shown.Compare("a\n", "b\n"), kCompareOk);
    EXPECT_EQ(shown.view->Title(0).toStdString(), shown.view->Path(0));
    EXPECT_EQ(shown.view->DoublePane().TitleText(1), QString::fromStdString(shown.view->Path(1)));
    shown.view->SetTitle(0, "Vorher");
    EXPECT_TRUE(shown.view->TitlesGiven());
    ASSERT_EQ(shown.Compare("a\n", "c\n"), kCompareOk);
    EXPECT_EQ(shown.view->DoublePane().TitleText(0), QString("Vorher"));
    shown.view->SetShowTitles(false);
    shown.view->UpdateTitles();
    EXPECT_FALSE(shown.view->DoublePane().TitleText(0));
    EXPECT_FALSE(shown.view->DoublePane().TitleText(1));
}

TEST(CompareViewTitles, LongTitlesAreShortenedToTheirHalfOfTheView) {
    ShownView shown(301, 200);
    const std::string longTitle = "/" + std::string(200, 'v') + "/ende.txt";
    shown.view->SetTitle(1, longTitle);
    const QString sideBySide = *shown.view->DoublePane().TitleText(1);
    EXPECT_TRUE(sideBySide.contains(QChar(0x2026)));
    EXPECT_LE(
        QFontMetrics(shown.view->DoublePane().TitleBarOf(1).font()).horizontalAdvance(sideBySide),
        301 / 2 - 12);
    shown.view->SetSplitMode(1);
    EXPECT_GT(shown.view->DoublePane().TitleText(1)->size(), sideBySide.size());
}

std::uint32_t StoredNumber(const char* name) {
    SettingsKey key;
    std::uint32_t value = 0xDEADu;
    if (key.Open(Hive::CurrentUser, OpenMode::Read)) key.Read(&value, 4, name, ValueType::Number);
    return value;
}

void StoreNumber(const char* name, std::uint32_t value) {
    SettingsKey key;
    ASSERT_TRUE(key.Open(Hive::CurrentUser, OpenMode::Create));
    ASSERT_TRUE(key.Write(&value, 4, name, ValueType::Number));
}

TEST(CompareViewSettings, ReadsViewModeAndWritesBothModesAndTheFlags) {
    test::FreshUserHive hive;
    StoreNumber("ViewMode", 1);
    {
        CVarnexView view;
        EXPECT_EQ(view.ViewMode(), 1);
        EXPECT_TRUE(view.DoublePane().Stacked());
        EXPECT_EQ(StoredNumber("Flags"), 7241u);
        EXPECT_TRUE(view.OnCommand(kCmdToggleViewMode));
        EXPECT_TRUE(view.OnCommand(kCmdToggleBarMode));
    }
    EXPECT_EQ(StoredNumber("ViewMode"), 0u);
    EXPECT_EQ(StoredNumber("BarMode"), 0u);
}

TEST(CompareViewSettings, PresentFlagsAreLeftAloneAndBarModeIsNotRead) {
    test::FreshUserHive hive;
    StoreNumber("Flags", 5);
    StoreNumber("BarMode", 0);
    {
        CVarnexView view;
        EXPECT_EQ(view.ViewMode(), 0);
        EXPECT_EQ(view.BarMode(), 1);
    }
    EXPECT_EQ(StoredNumber("Flags"), 5u);
    EXPECT_EQ(StoredNumber("BarMode"), 1u);
}

} // namespace
} // namespace varnex
