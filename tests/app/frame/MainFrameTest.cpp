// The main window: menus, toolbar, shortcuts, enabling and checking of commands, frame settings.
#include "tests/app/frame/FrameTestSupport.h"

#include "app/doublepane/TextDoubleWnd.h"
#include "engine/CompareEngine.h"
#include "res/CommandId.h"

#include <gtest/gtest.h>

#include <QActionGroup>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

namespace varnex {
namespace {

using test::ShownFrame;

struct ExpectedEntry {
    int id; // 0 for a separator
    const char* text;
};

struct ExpectedMenu {
    const char* title;
    std::vector<ExpectedEntry> entries;
};

const std::vector<ExpectedMenu> kExpectedMenus = {
    {"&Datei", {{57601, "Ö&ffnen...\tStrg+O"}, {0, ""}, {57665, "&Beenden"}}},
    {"&Bearbeiten",
     {{57634, "&Kopieren\tStrg+C"},
      {0, ""},
      {32771, "&Weitersuchen\tF3"},
      {57636, "&Suchen\tShift+F3"},
      {40010, "&Bereich suchen\tStrg+F3"},
      {0, ""},
      {40011, "&Alles markieren"}}},
    {"&Ansicht",
     {{32783, "Sch&rift einstellen\tStrg+S"},
      {40005, "Anzeige Optionen"},
      {40006, "Horizontale Teilung"},
      {40021, "Infozeilenmodus"},
      {0, ""},
      {40023, "Zeilenweise"},
      {40024, "Zeichenweise"},
      {40025, "Ohne Leerstellen"},
      {0, ""},
      {40040, "Zeichensatz: &automatisch"},
      {40041, "&Windows-1252"},
      {40042, "&UTF-8"},
      {0, ""},
      {32794, "Flache Symbolleiste"},
      {40028, "Fenster fi&xieren"},
      {59392, "&Symbolleiste"},
      {59393, "S&tatusleiste"}}},
    {"&?", {{57664, "Inf&o über Varnex"}, {57670, "&Sysntax Info"}, {40022, "&Farbinformationen"}}},
};

QAction* MenuAction(CMainFrame& frame, int id) {
    for (QAction* menu : frame.menuBar()->actions()) {
        for (QAction* entry : menu->menu()->actions()) {
            if (!entry->isSeparator() && entry->data().toInt() == id) return entry;
        }
    }
    return nullptr;
}

QToolButton* ToolButton(CMainFrame& frame, int id) {
    for (QAction* action : frame.ToolBar().actions()) {
        if (!action->isSeparator() && action->data().toInt() == id)
            return qobject_cast<QToolButton*>(frame.ToolBar().widgetForAction(action));
    }
    return nullptr;
}

void ActivateWindow(CMainFrame& frame) {
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
}

LoadResult CompareScratchFiles(CMainFrame& frame, const std::string& left,
                               const std::string& right) {
    const LoadResult result =
        frame.View().LoadAndCompare(test::WriteScratchFile("frame-left.txt", left),
                                    test::WriteScratchFile("frame-right.txt", right));
    QApplication::processEvents();
    return result;
}

TEST(MainFrameMenus, EveryEntryHasItsTextAndIdInOrder) {
    ShownFrame frame;
    const QList<QAction*> menus = frame->menuBar()->actions();
    ASSERT_EQ(menus.size(), static_cast<int>(kExpectedMenus.size()));
    for (std::size_t m = 0; m < kExpectedMenus.size(); ++m) {
        EXPECT_EQ(menus[m]->text(), QString::fromUtf8(kExpectedMenus[m].title));
        const QList<QAction*> entries = menus[m]->menu()->actions();
        ASSERT_EQ(entries.size(), static_cast<int>(kExpectedMenus[m].entries.size())) << m;
        for (std::size_t e = 0; e < kExpectedMenus[m].entries.size(); ++e) {
            const ExpectedEntry& expected = kExpectedMenus[m].entries[e];
            EXPECT_EQ(entries[e]->isSeparator(), expected.id == 0) << m << "/" << e;
            if (expected.id == 0) continue;
            EXPECT_EQ(entries[e]->data().toInt(), expected.id);
            EXPECT_EQ(entries[e]->text(), QString::fromUtf8(expected.text));
        }
    }
}

TEST(MainFrameMenus, UnhandledCommandsAreDisabledAndDoNothing) {
    ShownFrame frame;
    frame->UpdateCommandStates();
    EXPECT_FALSE(MenuAction(*frame, kCmdViewOptions)->isEnabled());
    for (CommandId id : {kCmdSave, kCmdPrint, kCmdPrintSetup, kCmdPrintPreview, kCmdCut, kCmdPaste,
                         kCmdContextHelp}) {
        EXPECT_FALSE(frame->QueryCommand(id).enabled) << id;
        EXPECT_FALSE(frame->RunCommand(id)) << id;
    }
    EXPECT_TRUE(frame->isVisible());
}

// The encodings are one choice of three, shown with a radio mark; the compare modes keep theirs.
TEST(MainFrameMenus, EncodingEntriesAreRadioEntriesWithOneChecked) {
    ShownFrame frame;
    frame->UpdateCommandStates();
    QActionGroup* group = MenuAction(*frame, kCmdEncodingAutomatic)->actionGroup();
    ASSERT_NE(group, nullptr);
    EXPECT_TRUE(group->isExclusive());
    EXPECT_EQ(MenuAction(*frame, kCmdEncodingUtf8)->actionGroup(), group);
    EXPECT_EQ(MenuAction(*frame, kCmdLineWise)->actionGroup(), nullptr);
    ASSERT_TRUE(frame->RunCommand(kCmdEncodingUtf8));
    frame->UpdateCommandStates();
    EXPECT_EQ(group->checkedAction(), MenuAction(*frame, kCmdEncodingUtf8));
    EXPECT_FALSE(MenuAction(*frame, kCmdEncodingAutomatic)->isChecked());
}

TEST(MainFrameToolBar, ButtonsInOrderWithSeparatorsToolTipsAndPrompts) {
    ShownFrame frame;
    const std::vector<int> expected = {kCmdOpen,
                                       0,
                                       kCmdCopy,
                                       0,
                                       kCmdFind,
                                       kCmdFindNext,
                                       0,
                                       kCmdFirstBlock,
                                       kCmdPreviousBlock,
                                       kCmdCurrentBlock,
                                       kCmdNextBlock,
                                       kCmdLastBlock,
                                       0,
                                       kCmdReload,
                                       kCmdAlwaysOnTop,
                                       kCmdAbout};
    const QList<QAction*> actions = frame->ToolBar().actions();
    ASSERT_EQ(actions.size(), static_cast<int>(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actions[i]->isSeparator(), expected[i] == 0) << i;
        if (expected[i] == 0) continue;
        EXPECT_EQ(actions[i]->data().toInt(), expected[i]) << i;
        EXPECT_FALSE(actions[i]->icon().isNull()) << i;
    }
    EXPECT_EQ(ToolButton(*frame, kCmdNextBlock)->toolTip(),
              QString::fromUtf8("Nächster (") +
                  QKeySequence(Qt::ALT | Qt::Key_Down).toString(QKeySequence::NativeText) + ")");
    EXPECT_EQ(ToolButton(*frame, kCmdAlwaysOnTop)->toolTip(), "Fenster fixieren");
    EXPECT_EQ(ToolButton(*frame, kCmdNextBlock)->defaultAction()->statusTip(),
              QString::fromUtf8("Zum nächten geänderten Bereich springen."));
}

TEST(MainFrameStatusBar, ShowsTheIdlePromptAndAFlyByPromptOverIt) {
    ShownFrame frame;
    EXPECT_EQ(frame->PromptPane().text(), "Bereit");
    frame->statusBar()->showMessage(ToolButton(*frame, kCmdReload)->defaultAction()->statusTip());
    EXPECT_EQ(frame->statusBar()->currentMessage(),
              QString::fromUtf8("Läd die beiden Dateien neu."));
    EXPECT_FALSE(frame->PromptPane().isVisible());
    frame->statusBar()->clearMessage();
    EXPECT_TRUE(frame->PromptPane().isVisible());
}

// The toolbar follows the view without a menu being opened.
TEST(MainFrameNavigation, ButtonsFollowTheRulesWhileSteppingThroughTheBlocks) {
    ShownFrame frame;
    ASSERT_EQ(CompareScratchFiles(*frame, test::kThreeBlocksLeft, test::kThreeBlocksRight),
              LoadResult::Ok);
    ASSERT_EQ(frame->View().Engine().BlockCount(), 3);
    const int ids[] = {kCmdFirstBlock, kCmdPreviousBlock, kCmdCurrentBlock, kCmdNextBlock,
                       kCmdLastBlock};
    auto enabled = [&] {
        std::vector<bool> states;
        for (int id : ids)
            states.push_back(ToolButton(*frame, id)->isEnabled());
        return states;
    };
    using States = std::vector<bool>;
    EXPECT_EQ(enabled(), (States{true, false, false, true, true}));
    ToolButton(*frame, kCmdNextBlock)->click();
    EXPECT_EQ(enabled(), (States{false, false, true, true, true}));
    ToolButton(*frame, kCmdNextBlock)->click();
    EXPECT_EQ(enabled(), (States{true, true, true, true, true}));
    ToolButton(*frame, kCmdNextBlock)->click();
    EXPECT_EQ(enabled(), (States{true, true, true, false, false}));
    ToolButton(*frame, kCmdFirstBlock)->click();
    EXPECT_EQ(enabled(), (States{false, false, true, true, true}));
}

TEST(MainFrameNavigation, NoDifferencesDisableEveryNavigationButtonAndTheStatusBarSaysSo) {
    ShownFrame frame;
    ASSERT_EQ(CompareScratchFiles(*frame, "same\n", "same\n"), LoadResult::Ok);
    for (int id :
         {kCmdFirstBlock, kCmdPreviousBlock, kCmdCurrentBlock, kCmdNextBlock, kCmdLastBlock})
        EXPECT_FALSE(ToolButton(*frame, id)->isEnabled()) << id;
    EXPECT_EQ(frame->PromptPane().text(), "Keine Unterschiede gefunden");
    ASSERT_EQ(CompareScratchFiles(*frame, "same\n", "other\n"), LoadResult::Ok);
    EXPECT_EQ(frame->PromptPane().text(), "Bereit");
}

// Every row differs and the panes look alike: the title and the status bar say why.
TEST(MainFrameStatusBar, FilesThatDifferOnlyInLineEndsAreToldSo) {
    ShownFrame frame;
    ASSERT_EQ(CompareScratchFiles(*frame, "eins\r\nzwei\r\n", "eins\nzwei\n"), LoadResult::Ok);
    const CTextDoubleWnd& panes = frame->View().DoublePane();
    ASSERT_TRUE(panes.TitleText(Side::Left) && panes.TitleText(Side::Right));
    EXPECT_TRUE(panes.TitleText(Side::Left)->endsWith(QStringLiteral("frame-left.txt  (CRLF)")))
        << panes.TitleText(Side::Left)->toStdString();
    EXPECT_TRUE(panes.TitleText(Side::Right)->endsWith(QStringLiteral("frame-right.txt")))
        << panes.TitleText(Side::Right)->toStdString();
    EXPECT_EQ(frame->PromptPane().text(), "Die Dateien unterscheiden sich nur in den Zeilenenden.");
    ASSERT_EQ(CompareScratchFiles(*frame, "eins\r\n", "zwei\n"), LoadResult::Ok);
    EXPECT_EQ(frame->PromptPane().text(), "Bereit");
}

TEST(MainFrameChecks, CompareModeEntriesCheckTheModeInForce) {
    ShownFrame frame;
    EXPECT_TRUE(frame->RunCommand(kCmdLineWise));
    EXPECT_EQ(frame->View().CompareModeInForce(), CompareMode::LineWise);
    EXPECT_TRUE(MenuAction(*frame, kCmdLineWise)->isChecked());
    EXPECT_FALSE(MenuAction(*frame, kCmdCharWise)->isChecked());
    MenuAction(*frame, kCmdCharWiseNoBlanks)->trigger();
    EXPECT_EQ(frame->View().CompareModeInForce(), CompareMode::CharWiseNoBlanks);
    EXPECT_FALSE(MenuAction(*frame, kCmdLineWise)->isChecked());
    EXPECT_TRUE(MenuAction(*frame, kCmdCharWiseNoBlanks)->isChecked());
}

TEST(MainFrameChecks, ViewModeAndBarModeEntriesToggleTheirCheck) {
    ShownFrame frame;
    const bool stacked = frame->View().CurrentViewMode() == ViewMode::Stacked;
    MenuAction(*frame, kCmdToggleViewMode)->trigger();
    EXPECT_EQ(frame->View().CurrentViewMode() == ViewMode::Stacked, !stacked);
    EXPECT_EQ(MenuAction(*frame, kCmdToggleViewMode)->isChecked(), !stacked);
    EXPECT_EQ(frame->View().DoublePane().Stacked(), !stacked);
    MenuAction(*frame, kCmdToggleBarMode)->trigger();
    EXPECT_EQ(frame->View().CurrentBarMode(), BarMode::Window);
    EXPECT_FALSE(MenuAction(*frame, kCmdToggleBarMode)->isChecked());
}

TEST(MainFrameBars, ToolBarAndStatusBarHideAndShowWithTheirChecks) {
    ShownFrame frame;
    EXPECT_TRUE(MenuAction(*frame, kCmdToggleToolBar)->isChecked());
    frame->RunCommand(kCmdToggleToolBar);
    EXPECT_TRUE(frame->ToolBar().isHidden());
    EXPECT_FALSE(MenuAction(*frame, kCmdToggleToolBar)->isChecked());
    frame->RunCommand(kCmdToggleStatusBar);
    EXPECT_TRUE(frame->statusBar()->isHidden());
    frame->RunCommand(kCmdToggleStatusBar);
    EXPECT_FALSE(frame->statusBar()->isHidden());
    EXPECT_TRUE(MenuAction(*frame, kCmdToggleStatusBar)->isChecked());
}

TEST(MainFrameSettings, FlatToolBarSurvivesARestartButAlwaysOnTopDoesNot) {
    test::FreshUserHive hive;
    {
        CMainFrame frame;
        EXPECT_TRUE(frame.FlatToolBar());
        frame.RunCommand(kCmdToggleToolBar); // hidden: the setting is kept all the same
        frame.RunCommand(kCmdFlatToolBar);
        frame.RunCommand(kCmdAlwaysOnTop);
        EXPECT_TRUE(frame.AlwaysOnTop());
        EXPECT_TRUE(frame.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        EXPECT_TRUE(frame.QueryCommand(kCmdAlwaysOnTop).checked);
    }
    CMainFrame restarted;
    EXPECT_FALSE(restarted.FlatToolBar());
    EXPECT_FALSE(restarted.QueryCommand(kCmdFlatToolBar).checked);
    EXPECT_FALSE(ToolButton(restarted, kCmdOpen)->autoRaise());
    EXPECT_FALSE(restarted.AlwaysOnTop());
    EXPECT_FALSE(restarted.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST(MainFrameSettings, AlwaysOnTopKeepsAShownWindowShownInItsPlace) {
    ShownFrame frame;
    const QSize size = frame->size();
    frame->RunCommand(kCmdAlwaysOnTop);
    QApplication::processEvents();
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(frame->size(), size);
    frame->RunCommand(kCmdAlwaysOnTop);
    EXPECT_FALSE(frame->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(frame->isVisible());
}

TEST(MainFrameDialogs, HelpAndColourInformationRunTheirDialogs) {
    ShownFrame frame;
    frame->RunCommand(kCmdHelpSyntax);
    frame->RunCommand(kCmdColourInfo);
    EXPECT_EQ(frame.dialogs.shown,
              (std::vector<std::string>{"varnex::CHelpDlg", "varnex::CColourInfoDlg"}));
}

TEST(MainFrameShortcuts, EscapeEndsTheProgram) {
    ShownFrame frame;
    ActivateWindow(*frame);
    QTest::keyClick(frame.frame.get(), Qt::Key_Escape);
    EXPECT_FALSE(frame->isVisible());
}

TEST(MainFrameShortcuts, FunctionKeySixMovesTheFocusToTheOtherPane) {
    ShownFrame frame;
    ActivateWindow(*frame);
    CTextDoubleWnd& panes = frame->View().DoublePane();
    panes.Pane(Side::Left).setFocus();
    QApplication::processEvents();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
    QApplication::processEvents();
    EXPECT_EQ(panes.ActiveSide(), Side::Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6, Qt::ShiftModifier);
    QApplication::processEvents();
    EXPECT_EQ(panes.ActiveSide(), Side::Left);
}

TEST(MainFrameShortcuts, AltWithTheArrowsHomeAndEndStepsThroughTheDifferences) {
    ShownFrame frame;
    ActivateWindow(*frame);
    ASSERT_EQ(CompareScratchFiles(*frame, test::kThreeBlocksLeft, test::kThreeBlocksRight),
              LoadResult::Ok);
    CTextDoubleWnd& panes = frame->View().DoublePane();
    panes.Pane(Side::Left).setFocus();
    QApplication::processEvents();
    const BlockNavigator& blocks = frame->View().Engine().Navigator();
    const auto press = [](Qt::Key key) {
        QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
        QApplication::processEvents();
    };
    press(Qt::Key_Down);
    EXPECT_EQ(blocks.CurrentBlock(), 0);
    press(Qt::Key_Down);
    EXPECT_EQ(blocks.CurrentBlock(), 1);
    press(Qt::Key_End);
    EXPECT_EQ(blocks.CurrentBlock(), 2);
    press(Qt::Key_Up);
    EXPECT_EQ(blocks.CurrentBlock(), 1);
    press(Qt::Key_Home);
    EXPECT_EQ(blocks.CurrentBlock(), 0);
}

} // namespace
} // namespace varnex
