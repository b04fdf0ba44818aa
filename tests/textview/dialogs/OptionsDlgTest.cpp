// The options dialog: initial state from the shared options, the tab width check, what OK sends.
#include "textview/dialogs/OptionsDlg.h"
#include "tests/textview/dialogs/FakeSearchTarget.h"
#include "textview/model/settings/EditOptions.h"
#include "textview/model/settings/TabWidth.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace varnex {
namespace {

using OptionsCall = test::FakeSearchTarget::FlagsCall;

class OptionsDlgTest : public test::DialogTest {
protected:
    OptionsDlgTest() {
        EditOptions::Set(0, ~std::uint32_t{0});
        TabWidth::Set(4);
    }

    template <typename Drive> int Run(Drive drive) {
        return RunOptionsDialog(target, SeamsDriving<COptionsDlg>(drive), nullptr);
    }

    static void TypeTabWidth(COptionsDlg& dialog, const QString& text) {
        dialog.TabWidthEdit().selectAll();
        QTest::keyClick(&dialog.TabWidthEdit(), Qt::Key_Delete);
        QTest::keyClicks(&dialog.TabWidthEdit(), text);
    }

    static void ClickOk(COptionsDlg& dialog) {
        auto* buttons = dialog.findChild<QDialogButtonBox*>();
        ASSERT_NE(buttons, nullptr);
        for (QAbstractButton* button : buttons->buttons())
            if (buttons->buttonRole(button) == QDialogButtonBox::AcceptRole) button->click();
    }
};

TEST_F(OptionsDlgTest, StartsFromTheSharedOptionsAndTabWidth) {
    EditOptions::Set(EditOptions::kLineSelection | EditOptions::kLineNumbers |
                         EditOptions::kUnderscoreSeparates | (2u << 20),
                     ~std::uint32_t{0});
    TabWidth::Set(7);
    Run([](COptionsDlg& dialog) {
        EXPECT_EQ(dialog.TabWidthEdit().text(), QStringLiteral("7"));
        EXPECT_TRUE(dialog.OptionBox(EditOptions::kLineSelection).isChecked());
        EXPECT_TRUE(dialog.OptionBox(EditOptions::kLineNumbers).isChecked());
        EXPECT_TRUE(dialog.OptionBox(EditOptions::kUnderscoreSeparates).isChecked());
        EXPECT_FALSE(dialog.OptionBox(EditOptions::kVirtualDisplay).isChecked());
        EXPECT_FALSE(dialog.OptionBox(EditOptions::kStopAtOthers).isChecked());
        EXPECT_TRUE(dialog.MarkingButton(WordMarkMode::SearchedWordOnly).isChecked());
        EXPECT_FALSE(dialog.MarkingGroup().isEnabled()) << "word marking is not available";
    });
    EditOptions::Set(EditOptions::kWordMarkingAvailable, ~std::uint32_t{0});
    Run([](COptionsDlg& dialog) {
        EXPECT_TRUE(dialog.MarkingGroup().isEnabled());
        EXPECT_TRUE(dialog.MarkingButton(WordMarkMode::None).isChecked());
    });
}

TEST_F(OptionsDlgTest, ATabWidthOutsideOneToThirtyTwoIsRefused) {
    for (const QString& width : {QStringLiteral("0"), QStringLiteral("33"), QString()}) {
        messages.clear();
        Run([&width](COptionsDlg& dialog) {
            TypeTabWidth(dialog, width);
            ClickOk(dialog);
            EXPECT_EQ(dialog.focusWidget(), &dialog.TabWidthEdit());
        });
        EXPECT_EQ(messages,
                  (std::vector<Message>{{QMessageBox::Critical, QStringLiteral("Konfiguration"),
                                         QStringLiteral("Tabulator muss zwischen 1 "
                                                        "und 32 liegen !")}}))
            << width.toStdString();
        EXPECT_FALSE(closedWith);
    }
    EXPECT_TRUE(target.optionsCalls.empty());
    EXPECT_TRUE(target.tabWidths.empty());
}

TEST_F(OptionsDlgTest, OkSendsTheOptionsUnderTheirMaskAndTheWidth) {
    const int result = Run([](COptionsDlg& dialog) {
        TypeTabWidth(dialog, QStringLiteral("1"));
        dialog.OptionBox(EditOptions::kVirtualDisplay).click();
        dialog.OptionBox(EditOptions::kStopAtCaseChange).click();
        ClickOk(dialog);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(target.optionsCalls, (std::vector<OptionsCall>{{0x4001, 0xFE0F}}));
    EXPECT_EQ(target.tabWidths, (std::vector<int>{1}));
    EXPECT_EQ(target.saves, 1) << "written at once, not only when the program ends";
    EXPECT_TRUE(messages.empty());
    Run([](COptionsDlg& dialog) { dialog.reject(); });
    EXPECT_EQ(target.saves, 1) << "Abbrechen writes nothing";
}

TEST_F(OptionsDlgTest, AHostThatKeepsItsMarginShowsTheBoxTickedAndGreyedAndKeepsTheOption) {
    target.marginFollowsOptions = false;
    Run([](COptionsDlg& dialog) {
        EXPECT_TRUE(dialog.OptionBox(EditOptions::kLineNumbers).isChecked()) << "the truth";
        EXPECT_FALSE(dialog.OptionBox(EditOptions::kLineNumbers).isEnabled());
        ClickOk(dialog);
    });
    ASSERT_EQ(target.optionsCalls.size(), 1u);
    EXPECT_EQ(target.optionsCalls[0].mask & EditOptions::kLineNumbers, 0u)
        << "the stored option is left as it was";
}

TEST_F(OptionsDlgTest, WithWordMarkingAvailableTheModeIsSentToo) {
    EditOptions::Set(EditOptions::kWordMarkingAvailable | EditOptions::kBracketRange,
                     ~std::uint32_t{0});
    Run([](COptionsDlg& dialog) {
        TypeTabWidth(dialog, QStringLiteral("32"));
        dialog.MarkingButton(WordMarkMode::SearchedWordOnly).click();
        ClickOk(dialog);
    });
    EXPECT_EQ(target.optionsCalls, (std::vector<OptionsCall>{{0x200800, 0x30FE0F}}));
    EXPECT_EQ(target.tabWidths, (std::vector<int>{32}));
}

TEST_F(OptionsDlgTest, TheTextsStayAsTheyAlwaysRead) {
    Run([](COptionsDlg& dialog) {
        EXPECT_EQ(dialog.OptionBox(EditOptions::kInsertBeforeCaret).text(),
                  QString::fromUtf8("Vor &Cursor einfügen"));
        EXPECT_EQ(dialog.MarkingButton(WordMarkMode::WordAtCaret).text(),
                  QStringLiteral("Das Wort beim Cursor makieren "));
    });
}

} // namespace
} // namespace varnex
