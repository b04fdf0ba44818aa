// Where the find and replace dialogs come up, and how they get out of a hit's way.
#include "textview/dialogs/DialogPositions.h"
#include "tests/textview/dialogs/FakeSearchTarget.h"
#include "textview/dialogs/FindDlg.h"
#include "textview/dialogs/ReplaceDlg.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

namespace varnex {
namespace {

TEST(DialogPositionsTest, ARememberedPositionMustStayWithinReach) {
    const QRect screen(0, 0, 1920, 1080);
    EXPECT_TRUE(RememberedPositionFits({-99, -9}, screen));
    EXPECT_TRUE(RememberedPositionFits({1819, 979}, screen));
    EXPECT_FALSE(RememberedPositionFits({-100, 0}, screen));
    EXPECT_FALSE(RememberedPositionFits({0, -10}, screen));
    EXPECT_FALSE(RememberedPositionFits({1820, 0}, screen));
    EXPECT_FALSE(RememberedPositionFits({0, 980}, screen));

    const QRect secondScreen(1920, 0, 1280, 1024);
    EXPECT_TRUE(RememberedPositionFits({1900, 100}, secondScreen));
    EXPECT_FALSE(RememberedPositionFits({100, 100}, secondScreen));
}

TEST(DialogPositionsTest, ADialogOverTheHitMovesBelowOrAboveIt) {
    const QRect screen(0, 0, 1000, 800);
    const QRect dialog(300, 100, 400, 200); // rows 100..299
    EXPECT_EQ(TopClearOfHit(dialog, QRect(0, 300, 1000, 16), screen), std::nullopt)
        << "the row right under the dialog is not covered";
    EXPECT_EQ(TopClearOfHit(dialog, QRect(0, 84, 1000, 16), screen), std::nullopt);
    EXPECT_EQ(TopClearOfHit(dialog, QRect(0, 150, 1000, 16), screen), 150 + 16 + 10)
        << "upper half: below the row";
    const QRect lowDialog(300, 500, 400, 200);
    EXPECT_EQ(TopClearOfHit(lowDialog, QRect(0, 600, 1000, 16), screen), 600 - 10 - 200)
        << "lower half: above the row";
}

class RememberedPositionTest : public test::DialogTest {};

TEST_F(RememberedPositionTest, EachDialogComesBackWhereItWasUnlessThatIsOffScreen) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QPoint inside = screen.topLeft() + QPoint(40, 30);
    RememberDialogPosition(PositionedDialog::Find, inside);
    RememberDialogPosition(PositionedDialog::Replace, screen.bottomRight());
    std::optional<QPoint> findAt;
    std::optional<QPoint> replaceAt;
    RunFindDialog(target, SeamsDriving<CFindDlg>([&](CFindDlg& d) { findAt = d.pos(); }), nullptr,
                  QString());
    RunReplaceDialog(target,
                     SeamsDriving<CReplaceDlg>([&](CReplaceDlg& d) { replaceAt = d.pos(); }),
                     nullptr, QString());
    EXPECT_EQ(findAt, inside);
    EXPECT_NE(replaceAt, screen.bottomRight());

    const QPoint moved = inside + QPoint(25, 15);
    RunReplaceDialog(target, SeamsDriving<CReplaceDlg>([&](CReplaceDlg& d) {
                         d.move(moved);
                         d.CancelButton().click();
                     }),
                     nullptr, QString());
    EXPECT_EQ(RememberedDialogPosition(PositionedDialog::Replace), moved);
    EXPECT_EQ(RememberedDialogPosition(PositionedDialog::Find), inside);
}

} // namespace
} // namespace varnex
