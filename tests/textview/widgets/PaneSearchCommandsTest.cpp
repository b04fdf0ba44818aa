// A pane's searches as users reach them: "Weitersuchen", "Bereich suchen", the dialogs it opens,
// its search and replace requests, the tab width and the font chooser.
#include "tests/textview/support/SavedPaneGlobals.h"
#include "textview/dialogs/ReplaceDlg.h"
#include "textview/dialogs/SearchFlagBoxes.h"
#include "textview/model/search/SearchHistory.h"
#include "textview/model/settings/EditOptions.h"
#include "textview/model/settings/TabWidth.h"
#include "textview/widgets/AnsiEditView.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFontDatabase>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace varnex {
namespace {

struct Message {
    QMessageBox::Icon icon;
    QString caption;
    QString text;
};

class PaneSearchCommandsTest : public test::PaneGlobalsTest {
protected:
    PaneSearchCommandsTest() {
        TabWidth::Set(4);
        EditOptions::Set(0, ~std::uint32_t{0});
        SearchHistory::Restore({});
        pane = MakePane();
        DialogSeams seams;
        seams.showMessage = [this](QWidget*, QMessageBox::Icon icon, const QString& caption,
                                   const QString& text) {
            messages.push_back({icon, caption, text});
        };
        seams.run = [this](QDialog& dialog) {
            opened.push_back(dialog.windowTitle());
            return QDialog::Rejected;
        };
        pane->SetDialogSeams(seams);
        Fill({"alpha beta", "a.b gamma beta", "", "\tbeta"});
    }

    static std::unique_ptr<CAnsiEditView> MakePane() {
        auto made = std::make_unique<CAnsiEditView>(256, 100, CAnsiEditView::kPerCharacterStyles,
                                                    "PaneSearchCommandsTest");
        made->resize(400, 200);
        return made;
    }

    void Fill(const std::vector<std::string>& lines) {
        for (std::size_t i = 0; i < lines.size(); ++i)
            pane->SetLine(reinterpret_cast<const std::uint8_t*>(lines[i].data()),
                          static_cast<int>(i), static_cast<int>(lines[i].size()), 0);
    }

    TextPosition SelectionStart() const { return pane->Editor().Caret().SelectionStart(); }

    std::unique_ptr<CAnsiEditView> pane;
    std::vector<Message> messages;
    QStringList opened;
};

TEST_F(PaneSearchCommandsTest, FindNextGoesOnWithTheLastSearchAndSaysWhenThereIsNoMore) {
    EXPECT_FALSE(pane->FindNext());
    EXPECT_EQ(opened, QStringList{"Text suchen"}) << "nothing searched yet: the dialog opens";
    SearchHistory::Add("beta");
    ASSERT_TRUE(pane->FindNext());
    EXPECT_EQ(SelectionStart(), (TextPosition{6, 0}));
    ASSERT_TRUE(pane->FindNext());
    EXPECT_EQ(SelectionStart(), (TextPosition{10, 1}));
    ASSERT_TRUE(pane->FindNext());
    EXPECT_EQ(SelectionStart(), (TextPosition{4, 3})) << "the tab counts as its columns";
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(pane->FindNext());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Text wurde nicht gefunden !");
    EXPECT_EQ(messages[0].caption, "Text suchen");
}

TEST_F(PaneSearchCommandsTest, FindSelectedTakesTheSelectionAsPlainText) {
    pane->Editor().SetSearchFlags(SearchFlags::kRegex, SearchFlags::kDialogMask);
    pane->MoveTo({0, 1}, false);
    pane->MoveTo({3, 1}, true);
    ASSERT_FALSE(pane->FindSelected()) << "\"a.b\" occurs once only, not as a pattern";
    EXPECT_EQ(SearchHistory::Entries().front(), "a.b");
    EXPECT_EQ(pane->Editor().CurrentSearchFlags(), SearchFlags::kRegex) << "flags as they were";
    messages.clear();
    pane->MoveTo({7, 0}, false);
    ASSERT_TRUE(pane->FindSelected()) << "the word at the caret";
    EXPECT_EQ(SelectionStart(), (TextPosition{10, 1}));
    EXPECT_EQ(pane->Editor().SelectedText(), "beta");
    EXPECT_TRUE(messages.empty());
}

TEST_F(PaneSearchCommandsTest, ABadPatternIsShownWithItsPosition) {
    SearchHistory::Add("(beta");
    pane->Editor().SetSearchFlags(SearchFlags::kRegex, SearchFlags::kDialogMask);
    EXPECT_FALSE(pane->FindNext());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, QMessageBox::Critical);
    EXPECT_EQ(messages[0].text, "Ungültiger regulärer Ausdruck (Position 5)");
}

TEST_F(PaneSearchCommandsTest, AHostSearchesAndReplaces) {
    SearchRequest search{"gamma", false};
    EXPECT_TRUE(pane->Search(search).found);
    EXPECT_EQ(SelectionStart(), (TextPosition{4, 1}));
    search.text = "delta";
    const SearchOutcome miss = pane->Search(search);
    EXPECT_FALSE(miss.found);
    EXPECT_FALSE(miss.error);
    ReplaceRequest replace{ReplaceScope::WholeFile, "beta", "BETA"};
    EXPECT_EQ(std::get<int>(pane->Replace(replace)), 3);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(pane->GetLine(3)->Text())), "\tBETA");
    pane->Editor().SetSearchFlags(SearchFlags::kRegex, SearchFlags::kDialogMask);
    replace.text = "[";
    EXPECT_TRUE(std::holds_alternative<PatternError>(pane->Replace(replace)));
}

TEST_F(PaneSearchCommandsTest, TheContextMenuOpensTheDialogs) {
    pane->RunCommand(static_cast<int>(PaneCommandId::Find));
    pane->RunCommand(static_cast<int>(PaneCommandId::Replace));
    pane->RunCommand(static_cast<int>(PaneCommandId::Options));
    EXPECT_EQ(opened, (QStringList{"Text suchen", "Ändern", "Konfiguration"}));
}

TEST_F(PaneSearchCommandsTest, ReplacingHitByHitMovesOnEvenOverEmptyMatches) {
    std::vector<Answer> answers{Answer::Yes, Answer::No, Answer::Yes, Answer::Yes};
    int asked = 0;
    DialogSeams seams;
    seams.ask = [&](QWidget*, const QString&, const QString&) {
        return asked < static_cast<int>(answers.size()) ? answers[asked++] : Answer::Cancel;
    };
    seams.run = [](QDialog& dialog) {
        auto& replace = dynamic_cast<CReplaceDlg&>(dialog);
        replace.SearchBox().setEditText(QStringLiteral("^"));
        replace.ReplacementBox().setEditText(QStringLiteral("> "));
        replace.FlagBoxes().CheckBox(SearchFlags::kRegex).setChecked(true);
        replace.OkButton().click();
        return dialog.result();
    };
    pane->SetDialogSeams(seams);
    EXPECT_EQ(pane->OpenReplaceDialog(), QDialog::Accepted);
    EXPECT_EQ(asked, 4) << "one question per line, then nothing more to find";
    std::vector<std::string> lines;
    for (int i = 0; i < pane->LineCount(); ++i)
        lines.emplace_back(reinterpret_cast<const char*>(pane->GetLine(i)->Text()));
    EXPECT_EQ(lines,
              (std::vector<std::string>{"> alpha beta", "a.b gamma beta", "> ", "> \tbeta"}));
}

TEST_F(PaneSearchCommandsTest, TheFindDialogStartsWithTheSelection) {
    QString shown;
    DialogSeams seams;
    seams.run = [&shown](QDialog& dialog) {
        shown = dialog.findChild<QComboBox*>()->currentText();
        return QDialog::Rejected;
    };
    pane->SetDialogSeams(seams);
    pane->MoveTo({4, 1}, false);
    pane->MoveTo({9, 1}, true);
    pane->OpenFindDialog();
    EXPECT_EQ(shown, "gamma");
}

TEST_F(PaneSearchCommandsTest, EveryPaneLaysItsLinesOutAfterATabWidthChange) {
    std::unique_ptr<CAnsiEditView> other = MakePane();
    other->SetLine(reinterpret_cast<const std::uint8_t*>("\t\tx"), 0, 3, 0);
    EXPECT_EQ(other->ContentColumns(), 9);
    pane->SetTabWidth(8);
    EXPECT_EQ(other->ContentColumns(), 17);
    EXPECT_EQ(pane->GetLine(3)->Width(), 12);
}

TEST_F(PaneSearchCommandsTest, AHostThatDrawsItsOwnMarginKeepsIt) {
    pane->SetLineNumberWidth(50);
    pane->SetMarginFollowsOptions(false);
    pane->SetEditOptions({EditOptions::kLineNumbers, EditOptions::kLineNumbers});
    pane->SetEditOptions({0, EditOptions::kLineNumbers});
    EXPECT_EQ(pane->MarginWidth(), 50);
}

// Another monospaced family when one is installed, else the same one.
QString MonospacedFamilyOtherThan(const QString& current) {
    for (const QString& family : QFontDatabase::families()) {
        if (QFontDatabase::isFixedPitch(family) && family != current) return family;
    }
    return current;
}

TEST_F(PaneSearchCommandsTest, AChosenFontReachesTheGroupAndTheNextStart) {
    const std::string section = "Software\\Tamsel\\Test\\FontChoice";
    pane->LoadSettings(section, false);
    std::unique_ptr<CAnsiEditView> sibling = MakePane();
    const QString before = pane->Fonts().Family();
    const int cellHeightBefore = pane->CellSize().height();
    const QString family = MonospacedFamilyOtherThan(before);
    QFont offered;
    pane->SetFontChooser([&](const QFont& initial, QWidget*) -> std::optional<QFont> {
        offered = initial;
        QFont chosen(family);
        chosen.setPixelSize(53); // 40 points at 96 dots per inch
        chosen.setBold(true);
        return chosen;
    });
    ASSERT_TRUE(pane->ChooseFont());
    EXPECT_EQ(offered.family(), before) << "the dialog starts from the panes' font";
    EXPECT_EQ(pane->Resources().Font().height, 53u) << "stored as chosen, not clipped";
    EXPECT_EQ(pane->Resources().Font().flags, FontSpec::kFixedPitch) << "bold is dropped";
    EXPECT_EQ(sibling->Fonts().Family(), family);
    EXPECT_GT(sibling->CellSize().height(), cellHeightBefore);

    sibling.reset();
    pane.reset();
    std::unique_ptr<CAnsiEditView> restarted = MakePane();
    EXPECT_EQ(restarted->CellSize().height(), cellHeightBefore) << "a new group starts afresh";
    restarted->LoadSettings(section, false);
    EXPECT_EQ(restarted->Fonts().Family(), family);
    EXPECT_EQ(restarted->Resources().Font().height, 53u);
    EXPECT_GT(restarted->CellSize().height(), cellHeightBefore);
}

TEST_F(PaneSearchCommandsTest, ACancelledFontChoiceChangesNothing) {
    const FontSpec before = pane->Resources().Font();
    pane->SetFontChooser([](const QFont&, QWidget*) { return std::nullopt; });
    EXPECT_FALSE(pane->ChooseFont());
    EXPECT_EQ(pane->Resources().Font(), before);
}

} // namespace
} // namespace varnex
