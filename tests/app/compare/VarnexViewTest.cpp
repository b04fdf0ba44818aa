// The compare view on real file pairs: colours, too many rows, modes, reload, titles, settings.
#include "tests/app/compare/ViewTestSupport.h"

#include "app/overview/OverviewBar.h"
#include "common/SettingsKey.h"
#include "res/CommandId.h"
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
    ASSERT_EQ(shown.Compare("same\ngone\nend\n", "same\nend\n"), LoadResult::Ok);
    EXPECT_EQ(CellBackground(shown.Pane(Side::Left), 0, 1), kLightRed);
    EXPECT_EQ(CellBackground(shown.Pane(Side::Left), 3, 1), kLightRed);
    EXPECT_EQ(CellBackground(shown.Pane(Side::Right), 0, 1), kLightYellow);
    EXPECT_EQ(CellBackground(shown.Pane(Side::Left), 0, 0),
              WindowBackground(shown.Pane(Side::Left)));
}

TEST(CompareViewColours, InsertedLineIsLightGreen) {
    ShownView shown;
    ASSERT_EQ(shown.Compare("same\nend\n", "same\nadded\nend\n"), LoadResult::Ok);
    EXPECT_EQ(CellBackground(shown.Pane(Side::Right), 0, 1), kLightGreen);
    EXPECT_EQ(CellBackground(shown.Pane(Side::Right), 4, 1), kLightGreen);
    EXPECT_EQ(CellBackground(shown.Pane(Side::Left), 0, 1), kLightYellow);
}

TEST(CompareViewColours, ChangedPairIsLightBlueWhereItDiffersInCharacterMode) {
    ShownView shown;
    shown.view->SetCompareMode(CompareMode::CharWise);
    ASSERT_EQ(shown.view->CompareModeInForce(), CompareMode::CharWise);
    ASSERT_EQ(shown.Compare("alpha beta\n", "alpha gamma\n"), LoadResult::Ok);
    for (const Side side : kBothSides) {
        const int index = static_cast<int>(IndexOf(side));
        EXPECT_EQ(CellBackground(shown.Pane(side), 0, 0), WindowBackground(shown.Pane(side)))
            << index;
        EXPECT_EQ(CellBackground(shown.Pane(side), 4, 0), WindowBackground(shown.Pane(side)))
            << index;
        EXPECT_EQ(CellBackground(shown.Pane(side), 6, 0), kLightBlue) << index;
    }
}

TEST(CompareViewColours, EmptyLineInAChangedBlockIsOneBlankOnLightBlue) {
    ShownView shown;
    ASSERT_EQ(shown.Compare("a\n\nb\n", "a\nx\nb\n"), LoadResult::Ok);
    const TextLine* line = shown.Pane(Side::Left).GetLine(1);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(line->Text()), line->Length()), " ");
    EXPECT_EQ(CellBackground(shown.Pane(Side::Left), 0, 1), kLightBlue);
    EXPECT_EQ(CellBackground(shown.Pane(Side::Left), 0, 2),
              WindowBackground(shown.Pane(Side::Left)));
}

TEST(CompareViewColours, IdenticalFilesShowNoDifferenceColours) {
    ShownView shown;
    ASSERT_EQ(shown.Compare("one\n\ntwo three\n", "one\n\ntwo three\n"), LoadResult::Ok);
    EXPECT_EQ(shown.view->Engine().BlockCount(), 0);
    for (const Side side : kBothSides) {
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
        filledRows =
            std::min(shown.Pane(Side::Left).LineCount(), shown.Pane(Side::Right).LineCount());
        busyCursorShown = QGuiApplication::overrideCursor() != nullptr;
        EXPECT_EQ(icon, QMessageBox::Warning);
        EXPECT_EQ(caption, "Warnung");
        EXPECT_EQ(message, "Es sind zuviele Zeilen vorhanden !\nEs wird nur ein Teil angezeig.");
    });
    ASSERT_EQ(shown.Compare(text, text), LoadResult::Ok);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(filledRows, 65520);
    EXPECT_EQ(shown.view->Engine().Rows().Count(), 65520);
    EXPECT_FALSE(busyCursorShown);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// Nothing of the comparison before may stay: its text, numbers, blocks and bar would describe
// files that are not the ones named.
TEST(CompareViewLimits, AFailedLoadEmptiesTheViewNamesTheTriedFilesAndCanBeRetried) {
    ShownView shown;
    ASSERT_EQ(shown.Compare("kept\nsame\n", "kept too\nsame\n"), LoadResult::Ok);
    ASSERT_TRUE(shown.view->Engine().QueryCommand(EngineCommandId::FirstBlock).enabled);
    const std::string present = test::WriteScratchFile("present.txt", "x\n");
    const std::string missing = (test::ScratchFolder() / "missing.txt").string();
    EXPECT_EQ(shown.view->LoadAndCompare(missing, present), LoadResult::FirstFileFailed);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    for (const Side side : kBothSides) {
        EXPECT_EQ(shown.Pane(side).LineCount(), 0);
        EXPECT_EQ(shown.view->MarginFor(side, 0).text, "");
    }
    EXPECT_EQ(shown.view->Bar().EntryCount(), 0);
    for (const CommandId id : {kCmdFirstBlock, kCmdNextBlock, kCmdPreviousBlock, kCmdLastBlock}) {
        CommandState state{true, false};
        ASSERT_TRUE(shown.view->OnUpdateCommand(id, state));
        EXPECT_FALSE(state.enabled) << id;
    }
    EXPECT_EQ(shown.view->Title(Side::Left).toStdString(), missing);
    EXPECT_EQ(shown.view->Title(Side::Right).toStdString(), present);
    EXPECT_TRUE(shown.messages.empty()) << "the caller reports the failure";
    // Once the file is there, reloading compares the files that were tried.
    test::WriteScratchFile("missing.txt", "y\n");
    EXPECT_EQ(shown.view->Reload(), LoadResult::Ok);
    EXPECT_EQ(shown.Pane(Side::Left).LineCount(), 1);
}

TEST(CompareViewModes, ComparesAgainOnlyWhenTheModeChangesAndBothFilesExist) {
    ShownView shown;
    ASSERT_EQ(shown.Compare("a b\n", "a  b\n"), LoadResult::Ok);
    EXPECT_EQ(shown.view->Engine().BlockCount(), 1);
    test::WriteScratchFile("right.txt", "a b\n"); // a new compare would find no difference
    shown.view->SetCompareMode(CompareMode::CharWise);
    EXPECT_EQ(shown.view->CompareModeInForce(), CompareMode::CharWise);
    EXPECT_EQ(shown.view->Engine().BlockCount(), 1);
    EXPECT_TRUE(shown.view->OnCommand(kCmdLineWise));
    EXPECT_EQ(shown.view->CompareModeInForce(), CompareMode::LineWise);
    EXPECT_EQ(shown.view->Engine().BlockCount(), 0);
    CommandState state;
    ASSERT_TRUE(shown.view->OnUpdateCommand(kCmdLineWise, state));
    EXPECT_TRUE(state.checked && state.enabled);
    ASSERT_TRUE(shown.view->OnUpdateCommand(kCmdCharWise, state));
    EXPECT_FALSE(state.checked);
}

TEST(CompareViewModes, AMissingFileOnlyStoresTheMode) {
    ShownView shown;
    ASSERT_EQ(shown.Compare("a b\n", "a  b\n"), LoadResult::Ok);
    std::filesystem::remove(test::ScratchFolder() / "right.txt");
    shown.view->SetCompareMode(CompareMode::CharWiseNoBlanks);
    EXPECT_EQ(shown.view->CompareModeInForce(), CompareMode::CharWiseNoBlanks);
    EXPECT_EQ(shown.view->Engine().Mode(), CompareMode::CharWise);
    EXPECT_EQ(shown.view->Engine().Rows().Count(), 1);
    EXPECT_TRUE(shown.messages.empty());
}

TEST(CompareViewReload, KeepsTheScrollPositionAndReadsTheFilesAgain) {
    std::string left;
    for (int line = 0; line < 300; ++line)
        left += "a rather long line number " + std::to_string(line) + "\n";
    ShownView shown(401, 300);
    // The document enables and carries out Reload, by the engine's rule.
    CommandState state;
    EXPECT_FALSE(shown.view->OnUpdateCommand(kCmdReload, state));
    EXPECT_FALSE(shown.view->OnCommand(kCmdReload));
    EXPECT_FALSE(shown.view->Engine().QueryCommand(EngineCommandId::Reload).enabled);
    ASSERT_EQ(shown.Compare(left, left), LoadResult::Ok);
    EXPECT_TRUE(shown.view->Engine().QueryCommand(EngineCommandId::Reload).enabled);
    shown.view->DoublePane().ScrollBoth(3, 120);
    test::WriteScratchFile("right.txt", left + "added\n");
    EXPECT_EQ(shown.view->Reload(), LoadResult::Ok);
    EXPECT_EQ(shown.view->Engine().BlockCount(), 1);
    EXPECT_EQ(shown.Pane(Side::Right).Scroll().firstLine, 120);
    EXPECT_EQ(shown.Pane(Side::Right).Scroll().firstColumn, 3);
    EXPECT_EQ(shown.view->TopRow(), 120);
    EXPECT_EQ(shown.view->FirstColumn(), 3);
}

TEST(CompareViewTitles, PathsBecomeTitlesUnlessTitlesWereGiven) {
    ShownView shown(1001, 300);
    ASSERT_EQ(shown.Compare("a\n", "b\n"), LoadResult::Ok);
    EXPECT_EQ(shown.view->Title(Side::Left).toStdString(), shown.view->Path(Side::Left));
    EXPECT_EQ(shown.view->DoublePane().TitleText(Side::Right),
              QString::fromStdString(shown.view->Path(Side::Right)));
    shown.view->SetTitle(Side::Left, "Vorher");
    EXPECT_TRUE(shown.view->TitlesGiven());
    ASSERT_EQ(shown.Compare("a\n", "c\n"), LoadResult::Ok);
    EXPECT_EQ(shown.view->DoublePane().TitleText(Side::Left), QString("Vorher"));
    shown.view->SetShowTitles(false);
    shown.view->UpdateTitles();
    EXPECT_FALSE(shown.view->DoublePane().TitleText(Side::Left));
    EXPECT_FALSE(shown.view->DoublePane().TitleText(Side::Right));
}

TEST(CompareViewTitles, LongTitlesAreShortenedToTheirHalfOfTheView) {
    ShownView shown(301, 200);
    const std::string longTitle = "/" + std::string(200, 'v') + "/ende.txt";
    shown.view->SetTitle(Side::Right, longTitle);
    const QString sideBySide = *shown.view->DoublePane().TitleText(Side::Right);
    EXPECT_TRUE(sideBySide.contains(QChar(0x2026)));
    EXPECT_LE(QFontMetrics(shown.view->DoublePane().TitleBarOf(Side::Right).font())
                  .horizontalAdvance(sideBySide),
              301 / 2 - 12);
    shown.view->SetViewMode(ViewMode::Stacked);
    EXPECT_GT(shown.view->DoublePane().TitleText(Side::Right)->size(), sideBySide.size());
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
        EXPECT_EQ(view.CurrentViewMode(), ViewMode::Stacked);
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
        EXPECT_EQ(view.CurrentViewMode(), ViewMode::SideBySide);
        EXPECT_EQ(view.CurrentBarMode(), BarMode::Summary);
    }
    EXPECT_EQ(StoredNumber("Flags"), 5u);
    EXPECT_EQ(StoredNumber("BarMode"), 1u);
}

} // namespace
} // namespace varnex
