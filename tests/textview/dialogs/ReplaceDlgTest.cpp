// The replace dialog driven through its seams: hit by hit with questions, and all at once.
#include "textview/dialogs/ReplaceDlg.h"
#include "tests/textview/dialogs/FakeSearchTarget.h"
#include "textview/dialogs/SearchFlagBoxes.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace varnex {
namespace {

using ReplaceAllCall = test::FakeSearchTarget::ReplaceAllCall;

class ReplaceDlgTest : public test::DialogTest {
protected:
    // Runs the dialog with `text` to search and `replacement`, then `drive`.
    template <typename Drive>
    int Run(const QString& text, const QString& replacement, Drive drive) {
        auto fillThenDrive = [replacement, drive](CReplaceDlg& dialog) {
            dialog.ReplacementBox().setEditText(replacement);
            drive(dialog);
        };
        return RunReplaceDialog(target, SeamsDriving<CReplaceDlg>(fillThenDrive), nullptr, text);
    }

    std::vector<bool> Continuing() const {
        std::vector<bool> continuing;
        for (const auto& search : target.searches)
            continuing.push_back(search.continuing);
        return continuing;
    }

    const Message kNotFound{QMessageBox::Information, QString::fromUtf8("Ändern"),
                            QStringLiteral("Text wurde nicht gefunden !")};
};

TEST_F(ReplaceDlgTest, ReplaceAllWithoutAnOccurrenceSaysNotFoundAndStaysOpen) {
    target.replaceAllResult = 0;
    Run(QStringLiteral("abc"), QStringLiteral("xyz"),
        [](CReplaceDlg& dialog) { dialog.ReplaceAllButton().click(); });
    EXPECT_EQ(target.replaceAllCalls, (std::vector<ReplaceAllCall>{{"abc", "xyz", false}}));
    ASSERT_EQ(target.flagsCalls.size(), 1u);
    EXPECT_EQ(target.flagsCalls[0].mask, 0x201F0u);
    EXPECT_EQ(messages, (std::vector<Message>{kNotFound}));
    EXPECT_FALSE(closedWith);
}

TEST_F(ReplaceDlgTest, ReplaceAllReportsTheCountAndKeepsBothTexts) {
    target.replaceAllResult = 12;
    Run(QStringLiteral("abc"), QStringLiteral("xyz"), [](CReplaceDlg& dialog) {
        dialog.ReplaceAllButton().click();
        EXPECT_EQ(dialog.SearchBox().lineEdit()->selectedText(), QStringLiteral("abc"));
    });
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, QMessageBox::Information);
    EXPECT_EQ(messages[0].text,
              QString::fromUtf8("Es wurden  12  Änderung(en) durchgeführt !     "));
    EXPECT_EQ(SearchHistory::Entries(), (std::vector<std::string>{"abc", "xyz"}));
}

TEST_F(ReplaceDlgTest, TheSelectionIsOfferedOnlyWhenThereIsOne) {
    Run(QStringLiteral("abc"), QString(), [](CReplaceDlg& dialog) {
        EXPECT_TRUE(dialog.WholeFileButton().isChecked());
        EXPECT_FALSE(dialog.SelectionButton().isEnabled());
    });
    target.hasSelection = true;
    target.replaceAllResult = 1;
    Run(QStringLiteral("abc"), QString(), [](CReplaceDlg& dialog) {
        EXPECT_TRUE(dialog.WholeFileButton().isChecked());
        dialog.SelectionButton().click();
        dialog.ReplaceAllButton().click();
    });
    EXPECT_EQ(target.replaceAllCalls, (std::vector<ReplaceAllCall>{{"abc", "", true}}));
}

TEST_F(ReplaceDlgTest, EmptySearchTextOnlyBeeps) {
    Run(QString(), QStringLiteral("xyz"), [](CReplaceDlg& dialog) {
        dialog.OkButton().click();
        dialog.ReplaceAllButton().click();
    });
    EXPECT_EQ(target.beeps, 2);
    EXPECT_TRUE(target.flagsCalls.empty());
    EXPECT_TRUE(target.searches.empty());
    EXPECT_TRUE(target.replaceAllCalls.empty());
    EXPECT_FALSE(closedWith);
}

TEST_F(ReplaceDlgTest, CancelAtTheFirstQuestionReplacesNothingAndCloses) {
    target.outcomes = {test::Hit(), test::Hit()};
    answers = {Answer::Cancel};
    const int result = Run(QStringLiteral("abc"), QStringLiteral("xyz"),
                           [](CReplaceDlg& dialog) { dialog.OkButton().click(); });
    EXPECT_TRUE(target.replacements.empty());
    EXPECT_EQ(target.searches.size(), 1u);
    EXPECT_EQ(questions,
              (std::vector<Question>{{QString::fromUtf8("Text ändern ?"),
                                      QString::fromUtf8("Text wurde gefunden, jetzt ändern ?")}}));
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_TRUE(messages.empty());
}

TEST_F(ReplaceDlgTest, OnlyTheHitsAnsweredYesAreReplaced) {
    target.outcomes = {test::Hit(), test::Hit(), test::Hit()};
    answers = {Answer::Yes, Answer::No, Answer::Yes};
    Run(QStringLiteral("abc"), QStringLiteral("xyz"),
        [](CReplaceDlg& dialog) { dialog.OkButton().click(); });
    EXPECT_EQ(target.replacements, (std::vector<std::string>{"xyz", "xyz"}));
    EXPECT_EQ(Continuing(), (std::vector<bool>{false, true, true, true}));
    EXPECT_EQ(questions.size(), 3u);
    EXPECT_TRUE(messages.empty()) << "something was found, so the end needs no message";
    EXPECT_EQ(closedWith, QDialog::Accepted);
    EXPECT_EQ(SearchHistory::Entries(), (std::vector<std::string>{"abc", "xyz"}));
}

TEST_F(ReplaceDlgTest, NothingFoundAtAllSaysSoAndCloses) {
    Run(QStringLiteral("abc"), QStringLiteral("xyz"),
        [](CReplaceDlg& dialog) { dialog.OkButton().click(); });
    EXPECT_EQ(messages, (std::vector<Message>{kNotFound}));
    EXPECT_TRUE(questions.empty());
    EXPECT_EQ(closedWith, QDialog::Accepted);
}

TEST_F(ReplaceDlgTest, ABadPatternKeepsTheDialogOpen) {
    target.outcomes = {{false, PatternError{1, ""}}};
    target.replaceAllResult = PatternError{2, ""};
    Run(QStringLiteral("a(b"), QStringLiteral("xyz"), [](CReplaceDlg& dialog) {
        dialog.OkButton().click();
        dialog.ReplaceAllButton().click();
    });
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, QString::fromUtf8("Ungültiger regulärer Ausdruck (Position 1)"));
    EXPECT_EQ(messages[1].text, QString::fromUtf8("Ungültiger regulärer Ausdruck (Position 2)"));
    EXPECT_EQ(messages[1].icon, QMessageBox::Critical);
    EXPECT_FALSE(closedWith);
    EXPECT_TRUE(SearchHistory::Entries().empty());
}

} // namespace
} // namespace varnex
