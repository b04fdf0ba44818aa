// The help, colour information and About dialogs: their rows and the colours of the samples.
#include "tests/app/compare/ViewTestSupport.h"

#include "app/dialogs/AboutDlg.h"
#include "app/dialogs/ColourInfoDlg.h"
#include "app/dialogs/HelpDlg.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>

namespace varnex {
namespace {

// Texts of the dialog's labels in layout order, rows joined by their two columns.
QStringList LabelTexts(QWidget& dialog) {
    QStringList texts;
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        if (!label->text().isEmpty()) texts << label->text();
    }
    return texts;
}

TEST(HelpDialog, ListsEveryOptionBesideItsMeaning) {
    CHelpDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), "Hilfe");
    const QStringList texts = LabelTexts(dialog);
    ASSERT_EQ(texts.size(), 1 + 2 * 12);
    EXPECT_EQ(texts[0], "Aufrufparameter:");
    EXPECT_EQ(texts[1], "-C");
    EXPECT_EQ(texts[2], "Zeichenweise vergleichen");
    EXPECT_EQ(texts[9], "-N");
    EXPECT_EQ(texts[10], "Keine Tilel anzeigen");
    EXPECT_EQ(texts[15], "-0:<file>");
    EXPECT_EQ(texts[16], QString::fromUtf8("Datei an Öffnendialog senden"));
    EXPECT_EQ(texts[23], "<file2>");
    EXPECT_EQ(texts[24], QString::fromUtf8("Pfad für die zweite Datei"));
}

// The sample's inside, away from its border and text strokes, is the pane's difference colour.
TEST(ColourInformationDialog, EachTextHasASampleInItsDifferenceColour) {
    CColourInfoDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), "Information");
    ASSERT_NE(dialog.findChild<QGroupBox*>(), nullptr);
    EXPECT_EQ(dialog.findChild<QGroupBox*>()->title(), "Farbdarstellung");
    const std::vector<std::pair<std::uint32_t, QString>> expected = {
        {kInsertedBackground,
         QString::fromUtf8("Teile die in der rechten Datei eingefügt wurden.")},
        {kRemovedBackground, "Teile die in der linken Datei entfernt wurden."},
        {kChangedBackground, QString::fromUtf8("Teile die in beiden Dateien geändert wurden.")},
        {kPlaceholderBackground, "Platzhalterzeilen."},
    };
    std::vector<QLabel*> samples;
    QStringList texts;
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        if (!label->pixmap().isNull())
            samples.push_back(label);
        else
            texts << label->text();
    }
    ASSERT_EQ(samples.size(), expected.size());
    ASSERT_EQ(texts.size(), static_cast<int>(expected.size()));
    for (std::size_t row = 0; row < expected.size(); ++row) {
        const QImage image = samples[row]->pixmap().toImage();
        EXPECT_EQ(image.pixelColor(2, 2), test::Rgb(expected[row].first)) << row;
        EXPECT_EQ(texts[static_cast<int>(row)], expected[row].second);
    }
}

TEST(AboutDialog, NamesTheProgramAndItsVersion) {
    CAboutDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Info über Varnex"));
    const QStringList texts = LabelTexts(dialog);
    EXPECT_TRUE(texts.contains("Varnex"));
    EXPECT_EQ(texts.filter(QRegularExpression("^Version \\d+\\.\\d+")).size(), 1);
}

} // namespace
} // namespace varnex
