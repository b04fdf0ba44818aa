// Zooming a pane group's font with Ctrl+Plus, Ctrl+Minus, Ctrl+0 and Ctrl+wheel.
#include "tests/textview/support/SavedPaneGlobals.h"
#include "textview/widgets/AnsiEditView.h"

#include <QApplication>
#include <QFontInfo>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

namespace varnex {
namespace {

std::string UserHiveText() {
    std::ifstream in(std::getenv("TAMSEL_USER_HIVE"));
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class PaneZoomTest : public test::PaneGlobalsTest {
protected:
    PaneZoomTest() {
        left = MakePane();
        right = MakePane();
        left->LoadSettings(kSection, false);
        left->SetFont(15, "Courier");
        storedCell = left->CellSize();
    }

    static std::unique_ptr<CAnsiEditView> MakePane() {
        auto made = std::make_unique<CAnsiEditView>(256, 100, CAnsiEditView::kPerCharacterStyles,
                                                    "PaneZoomTest");
        made->resize(400, 200);
        return made;
    }

    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(left.get(), &event);
    }
    int Points() const { return QFontInfo(right->Fonts().Base()).pointSize(); }

    static constexpr const char* kSection = "Software\\Tamsel\\Test\\Zoom";
    std::unique_ptr<CAnsiEditView> left;
    std::unique_ptr<CAnsiEditView> right;
    QSize storedCell;
};

TEST_F(PaneZoomTest, ZoomKeysResizeBothPanesWithinTheLimitsAndStoreNothing) {
    const std::string hiveBefore = UserHiveText();
    const FontSpec stored = left->Resources().Font();
    const int storedPoints = Points();
    QSignalSpy cellChanges(right.get(), &CAnsiView::CellSizeChanged);
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int cellHeightSign; // against the stored font's cell
    };
    const Case cases[] = {
        {Qt::Key_Plus, Qt::ControlModifier, 1},
        {Qt::Key_Equal, Qt::ControlModifier, 1},
        {Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier, 1},
        {Qt::Key_Minus, Qt::ControlModifier, -1},
    };
    for (const Case& c : cases) {
        Press(c.key, c.modifiers);
        const int height = right->CellSize().height();
        EXPECT_EQ((height > storedCell.height()) - (height < storedCell.height()), c.cellHeightSign)
            << "key " << c.key;
        EXPECT_EQ(left->CellSize(), right->CellSize()) << "the group zooms together";
        Press(Qt::Key_0);
        EXPECT_EQ(right->CellSize(), storedCell) << "Ctrl+0 after key " << c.key;
        EXPECT_EQ(Points(), storedPoints);
    }
    EXPECT_EQ(cellChanges.count(), 2 * static_cast<int>(std::size(cases)))
        << "hosts hear of every size the group takes";

    for (int k = 0; k < 30; ++k)
        Press(Qt::Key_Plus);
    EXPECT_EQ(Points(), FontSpec::kMaxSize);
    EXPECT_FALSE(left->Zoom(ZoomStep::Larger)) << "no larger than 48 points";
    for (int k = 0; k < 30; ++k)
        Press(Qt::Key_Minus);
    EXPECT_EQ(Points(), FontSpec::kMinSize);
    EXPECT_FALSE(left->Zoom(ZoomStep::Smaller)) << "no smaller than 6 points";
    Press(Qt::Key_0);
    EXPECT_EQ(right->CellSize(), storedCell);

    EXPECT_EQ(left->Resources().Font(), stored);
    EXPECT_EQ(UserHiveText(), hiveBefore) << "a zoom is never stored";
}

TEST_F(PaneZoomTest, CtrlWheelZoomsAPlainWheelScrolls) {
    const auto wheel = [this](int angle, Qt::KeyboardModifiers modifiers) {
        QWheelEvent event(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, angle),
                          Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(left->viewport(), &event);
    };
    wheel(120, Qt::ControlModifier);
    EXPECT_GT(right->CellSize().height(), storedCell.height());
    wheel(-120, Qt::ControlModifier);
    wheel(-60, Qt::ControlModifier);
    EXPECT_EQ(right->CellSize(), storedCell) << "half a notch waits for the other half";
    wheel(-60, Qt::ControlModifier);
    EXPECT_LT(right->CellSize().height(), storedCell.height());
    const QSize zoomed = right->CellSize();
    wheel(-120, Qt::NoModifier);
    EXPECT_EQ(right->CellSize(), zoomed);
}

TEST_F(PaneZoomTest, TheFontDialogStartsFromTheZoomAndStoresIt) {
    Press(Qt::Key_Plus);
    const QSize zoomed = left->CellSize();
    int offeredPixels = 0;
    left->SetFontChooser([&](const QFont& initial, QWidget*) -> std::optional<QFont> {
        offeredPixels = initial.pixelSize();
        return initial;
    });
    ASSERT_TRUE(left->ChooseFont());
    EXPECT_EQ(static_cast<std::uint32_t>(offeredPixels), left->Resources().Font().height);
    EXPECT_NE(UserHiveText().find("\"Font\""), std::string::npos);
    Press(Qt::Key_0);
    EXPECT_EQ(right->CellSize(), zoomed) << "the chosen font is the stored one now";
}

} // namespace
} // namespace varnex
