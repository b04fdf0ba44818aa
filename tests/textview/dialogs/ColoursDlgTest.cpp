// The colours dialog: the listed styles, what selecting, ticking and picking change in the style
// table, the colour chooser, Abbrechen putting everything back, and the remembered style.
#include "textview/dialogs/ColoursDlg.h"
#include "textview/dialogs/ColourGrid.h"
#include "textview/model/settings/ColourPalette.h"

#include <QCheckBox>
#include <QImage>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace varnex {
namespace {

constexpr std::uint32_t kOtherFlag = 0x100;

struct Look {
    std::uint32_t background;
    std::uint32_t textColour;
    std::uint32_t fontFlags;
    bool operator==(const Look&) const = default;
};

std::bitset<256> StyleSet(std::initializer_list<int> indices) {
    std::bitset<256> set;
    for (const int index : indices)
        set.set(static_cast<std::size_t>(index));
    return set;
}

class ColoursDlgTest : public testing::Test {
protected:
    ColoursDlgTest() : remembered_(RememberedColoursStyle()) {
        RememberColoursStyle(0);
        styles.EnsureSelectionStyle();
        styles.Add(0x008000, kWindowColour, "Kommentar", 10, kFontItalic);
        styles.Add(0x800000, 0xC0FFFF, "Schl\xFCsselwort", 11, kFontBold | kOtherFlag);
        styles.Add(0x123456, kWindowColour, "", 12, 0);
        styles.Add(0x0000FF, kWindowColour, "Zeichenkette", 13, kFontUnderline);
    }
    ~ColoursDlgTest() override { RememberColoursStyle(remembered_); }

    template <typename Drive>
    int Run(Drive drive, const std::optional<std::bitset<256>>& used = std::nullopt) {
        ColoursDialogSeams seams;
        seams.run = [drive](QDialog& dialog) {
            drive(dynamic_cast<CColoursDlg&>(dialog));
            return dialog.result();
        };
        seams.chooseColour = [this](QColor initial, QWidget*) {
            chooserStarts.push_back(initial);
            return chooserAnswer;
        };
        seams.fontFor = [this](std::uint32_t fontFlags) {
            fontRequests.push_back(fontFlags);
            return QFont();
        };
        seams.changed = [this] { ++changes; };
        return RunColoursDialog(styles, used, seams, nullptr);
    }

    std::vector<Look> Looks() const {
        std::vector<Look> looks;
        for (int index = 0; index < styles.Count(); ++index) {
            const TextStyle& style = *styles.Get(index);
            looks.push_back({style.background, style.textColour, style.fontFlags});
        }
        return looks;
    }
    TextStyle& Style(int index) { return *styles.Get(index); }

    static std::vector<QString> ListedNames(const CColoursDlg& dialog) {
        std::vector<QString> names;
        for (int row = 0; row < dialog.StyleList().count(); ++row)
            names.push_back(dialog.StyleList().item(row)->text());
        return names;
    }
    static void SelectStyle(CColoursDlg& dialog, int styleIndex) {
        for (int row = 0; row < dialog.StyleList().count(); ++row)
            if (dialog.StyleList().item(row)->data(Qt::UserRole).toInt() == styleIndex)
                return dialog.StyleList().setCurrentRow(row);
        ADD_FAILURE() << "style " << styleIndex << " is not listed";
    }
    static void ClickSwatch(ColourGrid& grid, int index) {
        QTest::mouseClick(&grid, Qt::LeftButton, {}, grid.SwatchRect(index).center());
    }

    StyleTable styles;
    int changes = 0;
    std::vector<QColor> chooserStarts;
    std::optional<QColor> chooserAnswer;
    std::vector<std::uint32_t> fontRequests;

private:
    int remembered_;
};

const std::vector<QString> kAllNames{
    QStringLiteral("Standard"),  QStringLiteral("Markierung"),
    QStringLiteral("Kommentar"), QString::fromUtf8("Schlüsselwort"),
    QStringLiteral("Stil 12"),   QStringLiteral("Zeichenkette")};

TEST_F(ColoursDlgTest, WithoutUsedStylesListsAllOnTheFirstAndTheCheckBoxIsDisabled) {
    Run([](CColoursDlg& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Farben einstellen"));
        EXPECT_EQ(ListedNames(dialog), kAllNames);
        EXPECT_EQ(dialog.SelectedStyle(), 0);
        EXPECT_FALSE(dialog.UsedOnlyBox().isEnabled());
        EXPECT_FALSE(dialog.UsedOnlyBox().isChecked());
        EXPECT_EQ(dialog.UsedOnlyBox().text(), QString::fromUtf8("Nur für aktelles Format"));
        EXPECT_EQ(dialog.DefineBackgroundButton().text(), QStringLiteral("Farbe defienieren"));
        EXPECT_EQ(dialog.DefineTextButton().text(), QStringLiteral("Farbe definieren"));
        EXPECT_EQ(dialog.BackgroundGrid().Selected(), 0);
        EXPECT_EQ(dialog.TextGrid().Selected(), 0);
    });
}

TEST_F(ColoursDlgTest, UsedStylesAreListedAloneUnlessOnlyStandardOrNoneIsAmongThem) {
    const auto listedWith = [this](const std::bitset<256>& used) {
        std::vector<QString> names;
        Run(
            [&names](CColoursDlg& dialog) {
                EXPECT_TRUE(dialog.UsedOnlyBox().isEnabled());
                EXPECT_TRUE(dialog.UsedOnlyBox().isChecked());
                names = ListedNames(dialog);
            },
            used);
        return names;
    };
    EXPECT_EQ(listedWith(StyleSet({0, 3, 5})),
              (std::vector<QString>{QStringLiteral("Standard"), QString::fromUtf8("Schlüsselwort"),
                                    QStringLiteral("Zeichenkette")}));
    EXPECT_EQ(listedWith(StyleSet({2, 200})), (std::vector<QString>{QStringLiteral("Kommentar")}));
    EXPECT_EQ(listedWith(StyleSet({0})), kAllNames);
    EXPECT_EQ(listedWith(StyleSet({})), kAllNames);
    EXPECT_EQ(listedWith(StyleSet({200})), kAllNames);
}

TEST_F(ColoursDlgTest, TogglingUsedOnlyRefillsTheListKeepingTheSelectedStyle) {
    Run(
        [](CColoursDlg& dialog) {
            SelectStyle(dialog, 5);
            dialog.UsedOnlyBox().click();
            EXPECT_EQ(ListedNames(dialog), kAllNames);
            EXPECT_EQ(dialog.SelectedStyle(), 5);
            SelectStyle(dialog, 1);
            dialog.UsedOnlyBox().click();
            EXPECT_EQ(dialog.StyleList().count(), 2);
            EXPECT_EQ(dialog.SelectedStyle(), 3) << "style 1 is gone: the first listed";
            EXPECT_TRUE(dialog.BoldBox().isChecked()) << "the boxes follow the new selection";
        },
        StyleSet({3, 5}));
}

TEST_F(ColoursDlgTest, SelectingAStyleShowsItsFontFlagsAndItsColoursInBothGrids) {
    Run([](CColoursDlg& dialog) {
        SelectStyle(dialog, 3);
        EXPECT_TRUE(dialog.BoldBox().isChecked());
        EXPECT_FALSE(dialog.ItalicBox().isChecked());
        EXPECT_FALSE(dialog.UnderlineBox().isChecked());
        EXPECT_EQ(dialog.BackgroundGrid().Selected(), PaletteIndexOf(0xC0FFFF));
        EXPECT_EQ(dialog.TextGrid().Selected(), PaletteIndexOf(0x800000));
        SelectStyle(dialog, 5);
        EXPECT_FALSE(dialog.BoldBox().isChecked());
        EXPECT_TRUE(dialog.UnderlineBox().isChecked());
        SelectStyle(dialog, 4);
        EXPECT_EQ(dialog.TextGrid().Selected(), std::nullopt) << "0x123456 is no palette entry";
        EXPECT_EQ(dialog.BackgroundGrid().Selected(), 0);
    });
}

TEST_F(ColoursDlgTest, ThePreviewDrawsTheStyleInItsColoursAndFontVariant) {
    const auto sample = [](QWidget& preview) { return preview.grab().toImage(); };
    Run([&](CColoursDlg& dialog) {
        SelectStyle(dialog, 3);
        fontRequests.clear();
        QImage image = sample(dialog.Preview());
        EXPECT_EQ(image.pixelColor(4, 4), QColorOf(0xC0FFFF));
        bool textSeen = false;
        for (int y = 0; y < image.height() && !textSeen; ++y)
            for (int x = 0; x < image.width() && !textSeen; ++x)
                textSeen = image.pixelColor(x, y) == QColorOf(0x800000);
        EXPECT_TRUE(textSeen);
        EXPECT_NE(std::find(fontRequests.begin(), fontRequests.end(), kFontBold),
                  fontRequests.end())
            << "the variant is asked for without the flags beyond bold, italic and underline";

        SelectStyle(dialog, 0);
        image = sample(dialog.Preview());
        EXPECT_EQ(image.pixelColor(4, 4), dialog.palette().color(QPalette::Base));
    });
}

TEST_F(ColoursDlgTest, PickingASwatchSetsTheColourAtOnceTheFirstOneTheWindowColour) {
    Run([this](CColoursDlg& dialog) {
        SelectStyle(dialog, 3);
        ClickSwatch(dialog.BackgroundGrid(), 0);
        EXPECT_EQ(Style(3).background, kWindowColour);
        EXPECT_EQ(changes, 1);
        ClickSwatch(dialog.TextGrid(), 30);
        EXPECT_EQ(Style(3).textColour, 0x0000FFu);
        EXPECT_EQ(dialog.TextGrid().Selected(), 30);
        EXPECT_EQ(changes, 2);
        // Every swatch is where the grid draws it.
        for (int index = 0; index < kPaletteSize; ++index) {
            ClickSwatch(dialog.BackgroundGrid(), index);
            ASSERT_EQ(Style(3).background, kPaletteColours[static_cast<std::size_t>(index)])
                << "swatch " << index;
        }
        EXPECT_EQ(Style(3).textColour, 0x0000FFu);
    });
}

TEST_F(ColoursDlgTest, ArrowKeysInAGridPickTheNeighbouringSwatch) {
    Run([this](CColoursDlg& dialog) {
        SelectStyle(dialog, 2);
        ColourGrid& grid = dialog.TextGrid();
        const int start = *PaletteIndexOf(0x008000);
        QTest::keyClick(&grid, Qt::Key_Down);
        EXPECT_EQ(Style(2).textColour, kPaletteColours[static_cast<std::size_t>(start + 1)]);
        QTest::keyClick(&grid, Qt::Key_Left);
        EXPECT_EQ(Style(2).textColour,
                  kPaletteColours[static_cast<std::size_t>(start + 1 - grid.Grid().rows)]);
        QTest::keyClick(&grid, Qt::Key_End);
        EXPECT_EQ(Style(2).textColour, 0xFFC0C0u);
        const int changesAtEnd = changes;
        QTest::keyClick(&grid, Qt::Key_Down);
        EXPECT_EQ(changes, changesAtEnd) << "nothing lies past the last swatch";
        EXPECT_EQ(Style(2).background, kWindowColour);
    });
}

TEST_F(ColoursDlgTest, TickingABoxRebuildsTheFontFlagsKeepingOtherBits) {
    Run([this](CColoursDlg& dialog) {
        SelectStyle(dialog, 3);
        dialog.ItalicBox().click();
        EXPECT_EQ(Style(3).fontFlags, kFontBold | kFontItalic | kOtherFlag);
        dialog.BoldBox().click();
        dialog.UnderlineBox().click();
        EXPECT_EQ(Style(3).fontFlags, kFontItalic | kFontUnderline | kOtherFlag);
        EXPECT_EQ(changes, 3);
        SelectStyle(dialog, 1);
        EXPECT_FALSE(dialog.ItalicBox().isChecked());
        EXPECT_EQ(Style(1).fontFlags, 0u) << "showing a style changes nothing";
    });
}

TEST_F(ColoursDlgTest, TheColourChooserStartsFromTheCurrentColourAndItsChoiceIsTaken) {
    chooserAnswer = QColor(1, 2, 3);
    Run([this](CColoursDlg& dialog) {
        SelectStyle(dialog, 3);
        dialog.DefineBackgroundButton().click();
        EXPECT_EQ(Style(3).background, 0x030201u);
        EXPECT_EQ(dialog.BackgroundGrid().Selected(), std::nullopt);
        SelectStyle(dialog, 0);
        chooserAnswer = QColor(0x80, 0, 0);
        dialog.DefineTextButton().click();
        EXPECT_EQ(Style(0).textColour, 0x000080u);
        EXPECT_EQ(dialog.TextGrid().Selected(), PaletteIndexOf(0x000080));
        EXPECT_EQ(chooserStarts, (std::vector<QColor>{QColorOf(0xC0FFFF),
                                                      dialog.palette().color(QPalette::Text)}));
    });
    EXPECT_EQ(changes, 2);
}

TEST_F(ColoursDlgTest, ACancelledColourChooserChangesNothing) {
    const std::vector<Look> before = Looks();
    Run([](CColoursDlg& dialog) {
        SelectStyle(dialog, 2);
        dialog.DefineBackgroundButton().click();
        dialog.DefineTextButton().click();
    });
    EXPECT_EQ(chooserStarts.size(), 2u);
    EXPECT_EQ(Looks(), before);
    EXPECT_EQ(changes, 0);
}

TEST_F(ColoursDlgTest, AbbrechenAndEscPutBackEveryStyleTheDialogChanged) {
    const std::vector<Look> before = Looks();
    const auto changeSeveral = [this, &before](CColoursDlg& dialog) {
        SelectStyle(dialog, 1);
        ClickSwatch(dialog.BackgroundGrid(), 20);
        SelectStyle(dialog, 3);
        dialog.ItalicBox().click();
        ClickSwatch(dialog.TextGrid(), 0);
        ASSERT_NE(Looks(), before);
    };
    EXPECT_EQ(Run([&](CColoursDlg& dialog) {
                  changeSeveral(dialog);
                  dialog.CancelButton().click();
              }),
              QDialog::Rejected);
    EXPECT_EQ(Looks(), before);
    EXPECT_EQ(changes, 4) << "three changes and one for putting them back";

    Run([&](CColoursDlg& dialog) {
        changeSeveral(dialog);
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(Looks(), before);

    changes = 0;
    Run([](CColoursDlg& dialog) { dialog.CancelButton().click(); });
    EXPECT_EQ(changes, 0) << "nothing to put back";
}

TEST_F(ColoursDlgTest, OkAndEnterKeepTheChanges) {
    EXPECT_EQ(Run([](CColoursDlg& dialog) {
                  SelectStyle(dialog, 2);
                  ClickSwatch(dialog.BackgroundGrid(), 9);
                  dialog.OkButton().click();
              }),
              QDialog::Accepted);
    EXPECT_EQ(Style(2).background, 0x000000u);

    EXPECT_EQ(Run([](CColoursDlg& dialog) {
                  dialog.show();
                  SelectStyle(dialog, 5);
                  QTest::keyClick(&dialog.TextGrid(), Qt::Key_Home);
                  QTest::keyClick(&dialog.TextGrid(), Qt::Key_Return);
              }),
              QDialog::Accepted);
    EXPECT_EQ(Style(5).textColour, kWindowColour);
    EXPECT_EQ(Style(2).background, 0x000000u);
}

TEST_F(ColoursDlgTest, TheStyleSelectedLastIsSelectedOnTheNextOpening) {
    Run([](CColoursDlg& dialog) { SelectStyle(dialog, 4); });
    Run([](CColoursDlg& dialog) {
        EXPECT_EQ(dialog.SelectedStyle(), 4);
        EXPECT_EQ(dialog.TextGrid().Selected(), std::nullopt);
    });
    Run([](CColoursDlg& dialog) { EXPECT_EQ(dialog.SelectedStyle(), 2); }, StyleSet({2, 3}));
}

} // namespace
} // namespace varnex
