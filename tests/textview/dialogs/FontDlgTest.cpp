// The font chooser offers what the panes apply and shows what they use; a chosen size is
// stored as chosen.
#include "textview/dialogs/FontDlg.h"
#include "textview/widgets/FontChooser.h"

#include <QFontComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QSpinBox>

#include <gtest/gtest.h>

namespace varnex {
namespace {

const QString kMonospaced = QStringLiteral("DejaVu Sans Mono");

TEST(FontDlg, OffersMonospacedFacesAtSixToFortyEightPointsAndNoStyles) {
    QFont current(kMonospaced);
    current.setPixelSize(20);
    CFontDlg dialog(current);
    EXPECT_EQ(dialog.FaceBox().currentFont().family(), kMonospaced);
    EXPECT_EQ(dialog.SizeBox().value(), QFontInfo(current).pointSize()) << "what is in use";
    for (int row = 0; row < dialog.FaceBox().count(); ++row)
        EXPECT_TRUE(QFontDatabase::isFixedPitch(dialog.FaceBox().itemText(row)))
            << dialog.FaceBox().itemText(row).toStdString();
    dialog.SizeBox().setValue(60);
    EXPECT_EQ(dialog.SizeBox().value(), 48);
    dialog.SizeBox().setValue(2);
    EXPECT_EQ(dialog.SizeBox().value(), 6);
    dialog.SizeBox().setValue(40);
    const QFont chosen = dialog.ChosenFont();
    EXPECT_FALSE(chosen.italic() || chosen.bold() || chosen.underline() || chosen.strikeOut());
    EXPECT_FALSE(dialog.Sample().font().italic()) << "the sample is upright like the panes";
    EXPECT_EQ(dialog.Sample().font().pointSize(), 40);
}

TEST(FontDlg, AChosenSizeIsStoredAsChosenAndShownAgainOnReopening) {
    for (const int points : {6, 12, 40, 48}) {
        QFont chosen(kMonospaced);
        chosen.setPointSize(points);
        const FontSpec stored = FontSpecOfChoice(chosen);
        EXPECT_EQ(stored.flags, FontSpec::kFixedPitch);
        EXPECT_EQ(static_cast<int>(stored.height), QFontInfo(chosen).pixelSize()) << points;
        const CFontDlg reopened(FontOfSpec(stored, kMonospaced));
        EXPECT_EQ(reopened.SizeBox().value(), points) << "not clipped on the way";
    }
}

} // namespace
} // namespace varnex
