// The find dialog driven through its seams against a recording search target.
#include "textview/dialogs/FindDlg.h"
#include "tests/textview/dialogs/FakeSearchTarget.h"
#include "textview/dialogs/SearchFlagBoxes.h"
#include "textview/model/settings/PaneTexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace varnex {
namespace {

constexpr std::uint32_t kDialogMask = 0x201F0;

QString Qt8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

class FindDlgTest : public test::DialogTest {
protected:
    template <typename Drive> int Run(const QString& initialText, Drive drive) {
        return RunFindDialog(target, SeamsDriving<CFindDlg>(drive), nullptr, initialText);
    }
};

TEST_F(FindDlgTest, AnEmptySearchTextOnlyBeeps) {
    Run(QString(), [](CFindDlg& dialog) {
        dialog.OkButton().click();
        dialog.FindNextButton().click();
    });
    EXPECT_EQ(target.beeps, 2);
    EXPECT_TRUE(target.flagsCalls.empty());
    EXPECT_TRUE(target.searches.empty());
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(closedWith);
}

TEST_F(FindDlgTest, OkSendsTheDialogFlagsSearchesOnceAndClosesOnAHit) {
    target.flags = SearchFlags::kIgnoreCase | SearchFlags::kWholeWords | 0x4;
    target.outcomes = {test::Hit()};
    const int result = Run(QStringLiteral("abc"), [](CFindDlg& dialog) {
        SearchFlagBoxes& boxes = dialog.FlagBoxes();
        EXPECT_TRUE(boxes.CheckBox(SearchFlags::kIgnoreCase).isChecked());
        EXPECT_TRUE(boxes.CheckBox(SearchFlags::kWholeWords).isChecked());
        EXPECT_FALSE(boxes.CheckBox(SearchFlags::kRegex).isChecked());
        EXPECT_TRUE(boxes.ForwardButton().isChecked());
        boxes.CheckBox(SearchFlags::kWholeWords).click();
        boxes.CheckBox(SearchFlags::kWholeText).click();
        boxes.BackwardButton().click();
        dialog.OkButton().click();
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(target.flagsCalls,
              (std::vector<test::FakeSearchTarget::FlagsCall>{
                  {SearchFlags::kIgnoreCase | SearchFlags::kWholeText | SearchFlags::kBackwards,
                   kDialogMask}}));
    EXPECT_EQ(target.flags,
              SearchFlags::kIgnoreCase | SearchFlags::kWholeText | SearchFlags::kBackwards | 0x4)
        << "bits outside the dialog's mask stay";
    EXPECT_EQ(target.searches,
              (std::vector<test::FakeSearchTarget::SearchCall>{{"abc", false, true}}));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the wait cursor is gone again";
    ASSERT_FALSE(SearchHistory::Entries().empty());
    EXPECT_EQ(SearchHistory::Entries().front(), "abc");
    EXPECT_TRUE(messages.empty());
}

TEST_F(FindDlgTest, TheSearchTextTravelsAsWindows1252Bytes) {
    target.outcomes = {test::Hit()};
    Run(QStringLiteral("Gr\u00F6\u00DFe \u20AC"),
        [](CFindDlg& dialog) { dialog.OkButton().click(); });
    ASSERT_EQ(target.searches.size(), 1u);
    EXPECT_EQ(target.searches[0].text, "Gr\xF6\xDF"
                                       "e \x80");
}

TEST_F(FindDlgTest, NothingFoundSaysSoAndStaysOpenWithTheTextSelected) {
    Run(QStringLiteral("missing"), [](CFindDlg& dialog) {
        dialog.SearchBox().lineEdit()->setCursorPosition(2);
        dialog.OkButton().click();
        EXPECT_EQ(dialog.focusWidget(), &dialog.SearchBox());
        EXPECT_EQ(dialog.SearchBox().lineEdit()->selectedText(), QStringLiteral("missing"));
    });
    EXPECT_EQ(messages, (std::vector<Message>{
                            {QMessageBox::Critical, Qt8(kFindCaption), Qt8(kNotFoundText)}}));
    EXPECT_FALSE(closedWith);
    EXPECT_TRUE(SearchHistory::Entries().empty()) << "only found texts are kept";
}

TEST_F(FindDlgTest, ABadPatternNamesItsPositionAndPutsTheCursorThere) {
    target.outcomes = {{false, PatternError{3, "missing closing parenthesis"}}};
    Run(QStringLiteral("ab(c"), [](CFindDlg& dialog) {
        dialog.FlagBoxes().CheckBox(SearchFlags::kRegex).click();
        dialog.OkButton().click();
        EXPECT_EQ(dialog.SearchBox().lineEdit()->cursorPosition(), 3);
    });
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, QMessageBox::Critical);
    EXPECT_EQ(messages[0].text, QString::fromUtf8("Ungültiger regulärer Ausdruck (Position 3)\n"
                                                  "missing closing parenthesis"));
    EXPECT_FALSE(closedWith);
}

TEST_F(FindDlgTest, HighlightRequestOnlyForAWordWithoutSpecialCharacters) {
    target.flags = SearchFlags::kHighlight | SearchFlags::kIgnoreCase | SearchFlags::kWholeWords;
    target.outcomes = {test::Hit()};
    Run(QStringLiteral("word"), [](CFindDlg& dialog) { dialog.OkButton().click(); });
    EXPECT_EQ(target.highlights,
              (std::vector<test::FakeSearchTarget::HighlightCall>{{4096 | 16, "word"}}));

    target.highlights.clear();
    target.flags = SearchFlags::kHighlight | SearchFlags::kRegex;
    Run(QStringLiteral("wo.d"), [](CFindDlg& dialog) { dialog.OkButton().click(); });
    EXPECT_TRUE(target.highlights.empty()) << "a pattern with a special character";
    Run(QStringLiteral("word"), [](CFindDlg& dialog) { dialog.OkButton().click(); });
    EXPECT_EQ(target.highlights, (std::vector<test::FakeSearchTarget::HighlightCall>{{0, "word"}}))
        << "a regular expression that is a plain word";

    target.highlights.clear();
    target.flags = 0;
    Run(QStringLiteral("word"), [](CFindDlg& dialog) { dialog.OkButton().click(); });
    EXPECT_TRUE(target.highlights.empty()) << "highlighting is off";
}

TEST_F(FindDlgTest, CancelSendsOnlyAChangedHighlightFlag) {
    Run(QStringLiteral("abc"), [](CFindDlg& dialog) {
        dialog.FlagBoxes().CheckBox(SearchFlags::kIgnoreCase).click();
        dialog.CancelButton().click();
    });
    EXPECT_TRUE(target.flagsCalls.empty());
    EXPECT_EQ(closedWith, QDialog::Rejected);

    Run(QStringLiteral("abc"), [](CFindDlg& dialog) {
        dialog.FlagBoxes().CheckBox(SearchFlags::kIgnoreCase).click();
        dialog.FlagBoxes().CheckBox(SearchFlags::kHighlight).click();
        dialog.CancelButton().click();
    });
    EXPECT_EQ(target.flagsCalls,
              (std::vector<test::FakeSearchTarget::FlagsCall>{{0x20000, 0x20000}}));
    EXPECT_TRUE(target.searches.empty());
}

TEST_F(FindDlgTest, FindNextStaysOpenAndGoesOnFromTheLastHit) {
    target.outcomes = {test::Hit(), test::Hit(), {}, test::Hit()};
    Run(QStringLiteral("abc"), [](CFindDlg& dialog) {
        dialog.FindNextButton().click();
        dialog.FindNextButton().click();
        dialog.FindNextButton().click(); // nothing more
        dialog.FindNextButton().click(); // starts over
        dialog.SearchBox().setEditText(QStringLiteral("abd"));
        dialog.FindNextButton().click();
    });
    EXPECT_FALSE(closedWith);
    std::vector<bool> continuing;
    for (const auto& search : target.searches)
        continuing.push_back(search.continuing);
    EXPECT_EQ(continuing, (std::vector<bool>{false, true, true, false, false}));
    EXPECT_EQ(messages.size(), 2u) << "the miss and the changed text that finds nothing";
}

TEST_F(FindDlgTest, EnterIsOkAndEscapeCancels) {
    target.outcomes = {test::Hit()};
    Run(QStringLiteral("abc"), [](CFindDlg& dialog) {
        dialog.show();
        QTest::keyClick(dialog.SearchBox().lineEdit(), Qt::Key_Return);
    });
    EXPECT_EQ(closedWith, QDialog::Accepted);
    EXPECT_EQ(target.searches.size(), 1u);

    closedWith.reset();
    Run(QStringLiteral("abc"), [](CFindDlg& dialog) {
        dialog.show();
        QTest::keyClick(dialog.SearchBox().lineEdit(), Qt::Key_Escape);
    });
    EXPECT_EQ(closedWith, QDialog::Rejected);
    EXPECT_EQ(target.searches.size(), 1u);
}

TEST_F(FindDlgTest, AHitUnderTheDialogMovesItBelowTheHitsRow) {
    target.outcomes = {test::Hit()};
    Run(QStringLiteral("abc"), [this](CFindDlg& dialog) {
        dialog.show();
        dialog.move(100, 50);
        const QRect frame = dialog.frameGeometry();
        target.hitRow = QRect(0, frame.top() + 10, 800, 16);
        dialog.FindNextButton().click();
        EXPECT_EQ(dialog.frameGeometry().top(), target.hitRow.top() + 16 + 10);
        EXPECT_EQ(dialog.frameGeometry().left(), frame.left());
    });
}

TEST_F(FindDlgTest, OpensWithTheHistoryAndLabelledMnemonicControls) {
    SearchHistory::Restore({"recent", "earlier"});
    Run(QString(), [](CFindDlg& dialog) {
        EXPECT_EQ(dialog.SearchBox().currentText(), QStringLiteral("recent"))
            << "without a text from the pane, the latest search";
        EXPECT_EQ(dialog.SearchBox().count(), 2);
        EXPECT_EQ(dialog.SearchBox().lineEdit()->maxLength(), 260);
        EXPECT_EQ(dialog.FlagBoxes().CheckBox(SearchFlags::kWholeWords).text(),
                  QString::fromUtf8("Ganze &Wörter suchen"));
        const QList<QLabel*> labels = dialog.findChildren<QLabel*>();
        ASSERT_EQ(labels.size(), 1);
        EXPECT_EQ(labels[0]->buddy(), &dialog.SearchBox());
    });
}

} // namespace
} // namespace varnex
