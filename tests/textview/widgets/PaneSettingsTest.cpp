// Font, styles, options and tab width written by one pane and read by the next, machine then user.
#include "common/SettingsKey.h"
#include "common/SettingsNumbers.h"
#include "tests/support/ScopedVariable.h"
#include "tests/support/ScratchFiles.h"
#include "tests/textview/support/SavedPaneGlobals.h"
#include "textview/dialogs/ColourGrid.h"
#include "textview/model/settings/ColourPalette.h"
#include "textview/model/settings/EditOptions.h"
#include "textview/model/settings/TabWidth.h"
#include "textview/widgets/AnsiEditView.h"
#include "textview/widgets/FontSet.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>

namespace varnex {
namespace {

void WriteNumberValue(Hive hive, const std::string& path, const std::string& name,
                      std::uint32_t value) {
    SettingsKey key;
    ASSERT_TRUE(key.Open(hive, path, OpenMode::Create));
    ASSERT_TRUE(WriteNumber(key, name, value));
}

void WriteFont(Hive hive, const std::string& path, int size) {
    SettingsKey key;
    ASSERT_TRUE(key.Open(hive, path, OpenMode::Create));
    const auto bytes = FontSpec::ForSize(size, "Courier").ToBytes();
    ASSERT_TRUE(key.Write(bytes.data(), bytes.size(), "Font", ValueType::Binary));
}

// The option cases change the process-wide tab width and editor options.
class PaneSettings : public test::PaneGlobalsTest {};

TEST_F(PaneSettings, StylesAndFontWrittenByOnePaneAreReadByTheNextPaneOfTheGroup) {
    const std::string path = "Software\\Tamsel\\Test\\RoundTrip";
    {
        CAnsiEditView pane(2048, 100, 1, "RoundTripGroup");
        pane.SetSettingsPath(path);
        pane.SetFont(21, "Courier");
        pane.AddStyle(0x112233, 0x445566, "Kommentar", 30, 2);
        ASSERT_TRUE(pane.SaveSettings(""));
    }
    CAnsiEditView pane(2048, 100, 1, "RoundTripGroup");
    pane.SetSettingsPath(path);
    EXPECT_FALSE(pane.LoadSettings("", true));
    ASSERT_TRUE(pane.LoadSettings("", false));
    EXPECT_EQ(pane.Resources().Font().height, 21u);
    const std::optional<int> index = pane.Resources().Styles().IndexOfId(30);
    ASSERT_TRUE(index.has_value());
    const TextStyle* style = pane.GetStyle(*index);
    EXPECT_EQ(style->name, "Kommentar");
    EXPECT_EQ(style->textColour, 0x112233u);
    EXPECT_EQ(style->background, 0x445566u);
    EXPECT_EQ(style->fontFlags, 2u);
    EXPECT_EQ(pane.Resources().Styles().Get(1)->name, "Markierung");
}

TEST_F(PaneSettings, UserValuesOverrideMachineValues) {
    const std::string path = "Software\\Tamsel\\Test\\Layers";
    WriteFont(Hive::LocalMachine, path, 12);
    WriteNumberValue(Hive::LocalMachine, path + "\\Colors\\1", "BG", 0x0000FF);
    WriteNumberValue(Hive::LocalMachine, path + "\\Colors\\40", "TX", 0x00FF00);
    WriteNumberValue(Hive::CurrentUser, path + "\\Colors\\1", "BG", 0xFF0000);
    CAnsiEditView pane(2048, 100, 1, "LayersGroup");
    pane.SetSettingsPath(path);
    ASSERT_TRUE(pane.LoadSettings("", true));
    EXPECT_EQ(pane.GetStyle(0)->background, 0x0000FFu);
    EXPECT_EQ(pane.Resources().Font().height, 12u);
    ASSERT_TRUE(pane.LoadSettings("", false));
    EXPECT_EQ(pane.GetStyle(0)->background, 0xFF0000u);
    EXPECT_EQ(pane.GetStyle(0)->textColour, kWindowColour); // missing TX means the window colour
    EXPECT_EQ(pane.GetStyle(0)->name, "Standard");
    EXPECT_EQ(pane.Resources().Font().height, 12u); // the user stored no font
    const std::optional<int> machineStyle = pane.Resources().Styles().IndexOfId(40);
    ASSERT_TRUE(machineStyle.has_value());
    EXPECT_EQ(pane.GetStyle(*machineStyle)->textColour, 0x00FF00u);
}

TEST_F(PaneSettings, StyleKeysThatAreNoPositiveNumberAreSkipped) {
    const std::string path = "Software\\Tamsel\\Test\\Names";
    for (const char* name : {"0", "abc", "-3", "7x"}) {
        WriteNumberValue(Hive::CurrentUser, path + "\\Colors\\" + name, "BG", 0x123456);
    }
    WriteNumberValue(Hive::CurrentUser, path + "\\Colors\\7", "BG", 0x654321);
    CAnsiEditView pane(2048, 100, 1, "NamesGroup");
    pane.SetSettingsPath(path);
    ASSERT_TRUE(pane.LoadSettings("", false));
    ASSERT_EQ(pane.Resources().Styles().Count(), 3);
    EXPECT_EQ(pane.GetStyle(2)->id, 7);
    EXPECT_EQ(pane.GetStyle(2)->background, 0x654321u);
}

TEST_F(PaneSettings, WithoutSettingsPathTheSectionAndGroupNameFormThePath) {
    WriteNumberValue(Hive::CurrentUser, "Software\\Tamsel\\Test\\SectionGroup\\Colors\\1", "TX",
                     0x0A0B0C);
    CAnsiEditView pane(2048, 100, 1, "SectionGroup");
    ASSERT_TRUE(pane.LoadSettings("Software\\Tamsel\\Test\\", false));
    EXPECT_EQ(pane.GetStyle(0)->textColour, 0x0A0B0Cu);
}

TEST_F(PaneSettings, FontWithoutColorsIsAppliedButTheLoadFails) {
    const std::string path = "Software\\Tamsel\\Test\\FontOnly";
    WriteFont(Hive::CurrentUser, path, 30);
    CAnsiEditView pane(2048, 100, 1, "FontOnlyGroup");
    pane.SetSettingsPath(path);
    const int cellBefore = pane.CellSize().height();
    EXPECT_FALSE(pane.LoadSettings("", false));
    EXPECT_EQ(pane.Resources().Font().height, 30u);
    EXPECT_GT(pane.CellSize().height(), cellBefore);
}

TEST_F(PaneSettings, OptionsAndTabWidthAreReadWithTheOutOfRangeRule) {
    const std::string path = "Software\\Tamsel\\Test\\Options";
    WriteNumberValue(Hive::CurrentUser, path, "Flags", EditOptions::kLineNumbers | 0x1);
    WriteNumberValue(Hive::CurrentUser, path, "Tabualtor", 40);
    CAnsiEditView pane(2048, 100, 1, "OptionsGroup");
    pane.SetSettingsPath(path);
    ASSERT_TRUE(TabWidth::Set(7));
    ASSERT_TRUE(pane.LoadOptions("", false));
    EXPECT_EQ(TabWidth::Get(), TabWidth::kDefault);
    EXPECT_EQ(EditOptions::Get() & 0xFFFF, EditOptions::kLineNumbers | 0x1);
    EXPECT_EQ(pane.MarginWidth(), CAnsiEditView::kOptionMarginWidth);
    WriteNumberValue(Hive::CurrentUser, path, "Flags", 0);
    WriteNumberValue(Hive::CurrentUser, path, "Tabualtor", 0);
    ASSERT_TRUE(TabWidth::Set(7));
    ASSERT_TRUE(pane.LoadOptions("", false));
    EXPECT_EQ(TabWidth::Get(), TabWidth::kDefault);
    EXPECT_FALSE(pane.Resources().MarginWidth().has_value());
}

TEST_F(PaneSettings, ChangedOptionsAreSavedWhenAPaneCloses) {
    const std::string path = "Software\\Tamsel\\Test\\SavedOptions";
    {
        CAnsiEditView pane(2048, 100, 1, "SavedOptionsGroup");
        pane.SetSettingsPath(path);
        ASSERT_TRUE(TabWidth::Set(6));
        EditOptions::Set(0x8, 0x8);
    }
    EXPECT_FALSE(EditOptions::Changed());
    SettingsKey key;
    ASSERT_TRUE(key.Open(Hive::CurrentUser, path, OpenMode::Read));
    std::array<std::uint8_t, 4> bytes{};
    ASSERT_TRUE(key.Read(bytes.data(), bytes.size(), "Tabualtor", ValueType::Number));
    EXPECT_EQ(bytes[0], 6);
    ASSERT_TRUE(key.Read(bytes.data(), bytes.size(), "Flags", ValueType::Number));
    EXPECT_EQ(bytes[0] & 0x8, 0x8);
    EXPECT_EQ(bytes[3] & 0x80, 0);
}

// The context menu's "Farben einstellen": OK keeps and stores, Abbrechen leaves no trace.
TEST_F(PaneSettings, TheColoursDialogChangesTheGroupAndOkStoresIt) {
    const std::string path = "Software\\Tamsel\\Test\\Colours";
    CAnsiEditView pane(2048, 100, 1, "ColoursGroup");
    pane.SetSettingsPath(path);
    const int comment = pane.AddStyle(0x112233, kWindowColour, "Kommentar", 30, 0);
    int chosen = 0;
    QObject::connect(&pane, &CAnsiEditView::ColoursChosen, [&chosen] { ++chosen; });
    const auto pickRed = [comment](QDialog& dialog, bool ok) {
        auto& colours = static_cast<CColoursDlg&>(dialog);
        for (int row = 0; row < colours.StyleList().count(); ++row)
            if (colours.StyleList().item(row)->data(Qt::UserRole).toInt() == comment)
                colours.StyleList().setCurrentRow(row);
        const QRect swatch = colours.TextGrid().SwatchRect(*PaletteIndexOf(0x0000FF));
        QTest::mouseClick(&colours.TextGrid(), Qt::LeftButton, {}, swatch.center());
        colours.BoldBox().click();
        (ok ? colours.OkButton() : colours.CancelButton()).click();
        return dialog.result();
    };
    DialogSeams seams;
    seams.run = [&](QDialog& dialog) { return pickRed(dialog, false); };
    pane.SetDialogSeams(seams);
    EXPECT_FALSE(pane.RunCommand(static_cast<int>(PaneCommandId::Colours)) && chosen > 0);
    EXPECT_EQ(pane.GetStyle(comment)->textColour, 0x112233u);
    EXPECT_EQ(chosen, 0);
    SettingsKey key;
    EXPECT_FALSE(key.Open(Hive::CurrentUser, path + "\\Colors\\30", OpenMode::Read));

    seams.run = [&](QDialog& dialog) { return pickRed(dialog, true); };
    pane.SetDialogSeams(seams);
    EXPECT_TRUE(pane.ChooseColours());
    EXPECT_EQ(chosen, 1);
    CAnsiEditView next(2048, 100, 1, "ColoursGroupReadAgain");
    next.SetSettingsPath(path);
    ASSERT_TRUE(next.LoadSettings("", false));
    const std::optional<int> stored = next.Resources().Styles().IndexOfId(30);
    ASSERT_TRUE(stored);
    EXPECT_EQ(next.GetStyle(*stored)->textColour, 0x0000FFu);
    EXPECT_EQ(next.GetStyle(*stored)->fontFlags, kFontBold);
}

// A hive under a file cannot be written, not even by root.
TEST_F(PaneSettings, AChoiceTheHiveCannotTakeIsToldOnceAndStaysInEffect) {
    const std::string path = "Software\\Tamsel\\Test\\Unwritable";
    const std::string hive =
        test::WriteScratchFile("PaneSettingsUnwritable", "a file, not a folder") + "/user.reg";
    const test::ScopedVariable unwritable("TAMSEL_USER_HIVE", hive.c_str());
    CAnsiEditView pane(2048, 100, 1, "UnwritableGroup");
    pane.SetSettingsPath(path);
    const int comment = pane.AddStyle(0x112233, kWindowColour, "Kommentar", 31, 0);
    std::vector<QString> messages;
    DialogSeams seams;
    seams.showMessage = [&](QWidget*, QMessageBox::Icon icon, const QString& caption,
                            const QString& text) {
        EXPECT_EQ(icon, QMessageBox::Critical);
        EXPECT_EQ(caption, "Fehler");
        messages.push_back(text);
    };
    seams.run = [&](QDialog& dialog) {
        pane.Resources().Styles().Get(comment)->textColour = 0x0000FF; // as the grid would
        static_cast<CColoursDlg&>(dialog).OkButton().click();
        return dialog.result();
    };
    pane.SetDialogSeams(seams);
    pane.SetFontChooser([](const QFont& font, QWidget*) { return std::optional<QFont>(font); });
    EXPECT_TRUE(pane.ChooseColours());
    EXPECT_TRUE(pane.ChooseFont());
    ASSERT_EQ(messages.size(), 2u);
    for (const QString& text : messages) {
        EXPECT_TRUE(text.contains(QString::fromStdString(hive))) << text.toStdString();
        EXPECT_TRUE(text.contains(QString::fromLocal8Bit(std::strerror(ENOTDIR))));
    }

    seams.run = [](QDialog& dialog) {
        for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
            if (button->text() == QStringLiteral("OK")) button->click();
        }
        return dialog.result();
    };
    pane.SetDialogSeams(seams);
    EXPECT_EQ(pane.OpenOptionsDialog(), QDialog::Accepted);
    ASSERT_EQ(messages.size(), 3u) << "the options dialog's OK is told too";
    EXPECT_TRUE(messages.back().contains(QString::fromStdString(hive)));

    CAnsiEditView next(2048, 100, 1, "UnwritableGroupReadAgain");
    next.SetSettingsPath(path);
    ASSERT_TRUE(next.LoadSettings("", false));
    const std::optional<int> kept = next.Resources().Styles().IndexOfId(31);
    ASSERT_TRUE(kept);
    EXPECT_EQ(next.GetStyle(*kept)->textColour, 0x0000FFu);
}

} // namespace
} // namespace varnex
