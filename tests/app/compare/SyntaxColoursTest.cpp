// Source files compared in colour: the shipped configuration picked by the file type, the
// difference backgrounds under it, and the colours dialog changing what the comparison shows.
#include "tests/app/compare/ViewTestSupport.h"

#include "app/compare/PaneLineStyler.h"

#include "tests/support/ScopedVariable.h"
#include "tests/textview/support/SavedPaneGlobals.h"
#include "textview/dialogs/ColourGrid.h"
#include "textview/dialogs/ColoursDlg.h"
#include "textview/model/settings/ColourPalette.h"
#include "textview/model/settings/UnsavedStyles.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace varnex {
namespace {

using test::ShownView;
using test::WriteScratchFile;

// The style drawing byte `column` of row `row`.
const TextStyle* StyleAt(CComparePane& pane, int row, int column) {
    const TextLine* line = pane.GetLine(row);
    if (!line || !line->Styles() || column >= line->Length()) return nullptr;
    return pane.Resources().Styles().Get(line->Styles()[column]);
}

class SyntaxColoursTest : public testing::Test {
protected:
    void Compare(const std::string& leftName, const std::string& rightName) {
        ASSERT_EQ(shown.view->LoadAndCompare(WriteScratchFile(leftName, kLeft),
                                             WriteScratchFile(rightName, kRight)),
                  LoadResult::Ok);
    }

    static constexpr const char* kLeft = "// note\nint a = 1;\n";
    static constexpr const char* kRight = "// note\nint b = 2;\n";
    ShownView shown;
};

TEST_F(SyntaxColoursTest, CFilesShowCommentsAndKeywordsInColourOnTheDifferenceBackgrounds) {
    Compare("colour-left.c", "colour-right.c");
    CComparePane& left = shown.Pane(Side::Left);
    const TextStyle* comment = StyleAt(left, 0, 3);
    const TextStyle* type = StyleAt(left, 1, 0);
    const TextStyle* name = StyleAt(left, 1, 4);
    ASSERT_TRUE(comment && type && name);
    EXPECT_NE(comment->textColour, name->textColour);
    EXPECT_NE(type->textColour, name->textColour);
    EXPECT_EQ(comment->background, kDefaultColour) << "an equal row";
    EXPECT_EQ(name->background, kChangedBackground) << "a changed byte keeps its background";

    Compare("colour-left.txt", "colour-right.txt");
    ASSERT_TRUE(StyleAt(left, 0, 3) && StyleAt(left, 1, 4));
    EXPECT_EQ(StyleAt(left, 0, 3)->textColour, StyleAt(left, 1, 4)->textColour)
        << "no configuration for .txt";
}

TEST_F(SyntaxColoursTest, BracketsOfTheFilesFormatMatchWhenTheOptionIsOn) {
    const test::SavedPaneGlobals saved;
    EditOptions::Set(EditOptions::kBracketSearch, EditOptions::kBracketSearch);
    const std::string line = "if (x[1] == (y)) { z(); }\n";
    ASSERT_EQ(shown.view->LoadAndCompare(WriteScratchFile("brackets-left.c", line),
                                         WriteScratchFile("brackets-right.c", line + "int n;\n")),
              LoadResult::Ok);
    CComparePane& left = shown.Pane(Side::Left);
    const QRect bracket = test::CellRect(left, 3, 0);
    QTest::mouseClick(left.viewport(), Qt::LeftButton, {}, bracket.center() - QPoint(1, 0));
    ASSERT_EQ(left.Editor().Caret().Caret(), (TextPosition{3, 0}));
    const BracketMatch& match = left.Editor().Caret().Bracket();
    ASSERT_TRUE(match.active);
    EXPECT_EQ(match.partner, (TextPosition{15, 0}));
    QApplication::processEvents();
    const QImage image = test::GrabPane(left);
    const QColor bar(0xFF, 0x80, 0x80);
    const auto barUnder = [&](int column) {
        const QRect cell = test::CellRect(left, column, 0);
        for (int y = cell.top(); y <= cell.bottom(); ++y) {
            if (image.pixelColor(cell.center().x(), y) == bar) return true;
        }
        return false;
    };
    EXPECT_TRUE(barUnder(3));
    EXPECT_TRUE(barUnder(15));
    EXPECT_FALSE(barUnder(12)) << "an inner bracket";
}

constexpr std::uint32_t kRed = 0x0000FF;

// Dialog seams that make "Kommentar" red and press OK, counting the styles offered and the
// messages shown.
DialogSeams CommentMadeRed(int& listed, std::vector<QString>& messages) {
    DialogSeams seams;
    seams.run = [&listed](QDialog& dialog) {
        auto& colours = static_cast<CColoursDlg&>(dialog);
        EXPECT_TRUE(colours.UsedOnlyBox().isEnabled());
        listed = colours.StyleList().count();
        for (int row = 0; row < listed; ++row) {
            if (colours.StyleList().item(row)->text() == QStringLiteral("Kommentar"))
                colours.StyleList().setCurrentRow(row);
        }
        const QRect swatch = colours.TextGrid().SwatchRect(*PaletteIndexOf(kRed));
        QTest::mouseClick(&colours.TextGrid(), Qt::LeftButton, {}, swatch.center());
        colours.OkButton().click();
        return dialog.result();
    };
    seams.showMessage = [&messages](QWidget*, QMessageBox::Icon, const QString&,
                                    const QString& text) { messages.push_back(text); };
    return seams;
}

TEST_F(SyntaxColoursTest, TheColoursDialogOffersTheFormatsStylesAndOkRecoloursTheComparison) {
    Compare("dialog-left.c", "dialog-right.c");
    CComparePane& left = shown.Pane(Side::Left);
    ASSERT_NE(StyleAt(left, 0, 3), nullptr);
    ASSERT_NE(StyleAt(left, 0, 3)->textColour, kRed);
    int listed = 0;
    std::vector<QString> messages;
    left.SetDialogSeams(CommentMadeRed(listed, messages));
    ASSERT_TRUE(left.RunCommand(static_cast<int>(PaneCommandId::Colours)));
    EXPECT_GT(listed, 1);
    EXPECT_LT(listed, 12) << "only the styles C draws with, none of the difference styles";
    EXPECT_EQ(StyleAt(left, 0, 3)->textColour, kRed);
    EXPECT_EQ(StyleAt(shown.Pane(Side::Right), 0, 3)->textColour, kRed);
    EXPECT_TRUE(messages.empty());
}

// The comparison done again after OK reads the settings again: it must not bring back the
// colours the hive still holds.
TEST_F(SyntaxColoursTest, ColoursTheHiveCannotTakeAreToldAndStillShown) {
    const std::string hive = WriteScratchFile("unwritable-hive", "a file, not a folder") + "/u.reg";
    const test::ScopedVariable unwritable("TAMSEL_USER_HIVE", hive.c_str());
    // The unsaved colours would last for the other tests of this process.
    struct ForgetUnsaved {
        ~ForgetUnsaved() { UnsavedStyles::Forget(PaneLineStyler::kSettingsPath); }
    } forget;
    Compare("unsaved-left.c", "unsaved-right.c");
    CComparePane& left = shown.Pane(Side::Left);
    int listed = 0;
    std::vector<QString> messages;
    left.SetDialogSeams(CommentMadeRed(listed, messages));
    ASSERT_TRUE(left.RunCommand(static_cast<int>(PaneCommandId::Colours)));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].contains(QString::fromStdString(hive)));
    ASSERT_NE(StyleAt(left, 0, 3), nullptr);
    EXPECT_EQ(StyleAt(left, 0, 3)->textColour, kRed);
    Compare("unsaved-left.c", "unsaved-right.c");
    EXPECT_EQ(StyleAt(left, 0, 3)->textColour, kRed);
}

} // namespace
} // namespace varnex
