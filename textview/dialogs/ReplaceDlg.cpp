// The replace dialog "Ändern".
#include "textview/dialogs/ReplaceDlg.h"

#include "textview/dialogs/DialogText.h"
#include "textview/dialogs/SearchFlagBoxes.h"
#include "textview/dialogs/SearchTarget.h"
#include "textview/model/search/SearchHistory.h"
#include "textview/model/settings/PaneTexts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace varnex {

namespace {

constexpr SearchDialogTexts kReplaceTexts{kReplaceCaption, kReplaceBackwardText,
                                          kReplaceForwardText, kReplaceAllText};

// The replacement is offered again from the same list as the search texts.
void AddToHistory(const std::string& text, const std::string& replacement) {
    SearchHistory::Add(replacement);
    SearchHistory::Add(text);
}

} // namespace

CReplaceDlg::CReplaceDlg(SearchTarget& target, DialogSeams seams, const QString& initialText,
                         QWidget* parent)
    : CSearchDlgBase(target, std::move(seams), PositionedDialog::Replace, kReplaceTexts,
                     initialText, parent) {
    AddReplacementRow();
    AddScopeGroup();
    connect(&OkButton(), &QPushButton::clicked, this, &CReplaceDlg::ReplaceOneByOne);
    connect(&ReplaceAllButton(), &QPushButton::clicked, this, &CReplaceDlg::ReplaceAll);
    QList<QWidget*> order{&SearchBox(), &PatternButton(), replacementBox_};
    order << FlagBoxes().TabOrder() << wholeFile_ << selection_ << &OkButton() << &CancelButton()
          << &ReplaceAllButton();
    ChainTabOrder(order);
}

void CReplaceDlg::AddReplacementRow() {
    replacementBox_ = NewHistoryBox();
    replacementBox_->clearEditText();
    auto* label = new QLabel(DialogText(kReplaceWithLabel));
    label->setBuddy(replacementBox_);
    TextRows().addWidget(label, 1, 0);
    TextRows().addWidget(replacementBox_, 1, 1);
}

void CReplaceDlg::AddScopeGroup() {
    auto* group = new QGroupBox(DialogText(kReplaceInGroup));
    wholeFile_ = new QRadioButton(DialogText(kWholeFileText));
    selection_ = new QRadioButton(DialogText(kSelectionText));
    wholeFile_->setChecked(true);
    selection_->setEnabled(Target().HasSelection());
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(wholeFile_);
    layout->addWidget(selection_);
    // Under the direction group, above the column's closing stretch.
    QVBoxLayout& column = FlagBoxes().SideColumn();
    column.insertWidget(column.count() - 1, group);
}

std::optional<CReplaceDlg::ReplaceTexts> CReplaceDlg::BeginReplace() {
    ReplaceTexts texts{SearchBytes(), BytesOf(*replacementBox_)};
    if (texts.search.empty()) {
        Target().Beep();
        return std::nullopt;
    }
    SendFlags();
    return texts;
}

void CReplaceDlg::ReplaceOneByOne() {
    const std::optional<ReplaceTexts> texts = BeginReplace();
    if (!texts || !ConfirmEachHit(texts->search, texts->replacement)) return;
    AddToHistory(texts->search, texts->replacement);
    accept();
}

bool CReplaceDlg::ConfirmEachHit(const std::string& text, const std::string& replacement) {
    for (bool continuing = false;; continuing = true) {
        const SearchOutcome outcome = SearchWithWaitCursor(text, continuing);
        if (outcome.error) {
            ShowPatternError(*outcome.error);
            return false;
        }
        if (!outcome.found) {
            if (!continuing) ShowMessage(QMessageBox::Information, DialogText(kNotFoundText));
            return true;
        }
        MoveOffHit();
        const Answer answer =
            Seams().ask(this, DialogText(kConfirmCaption), DialogText(kConfirmText));
        if (answer == Answer::Cancel) return true;
        if (answer == Answer::Yes) Target().ReplaceFound(replacement);
    }
}

void CReplaceDlg::ReplaceAll() {
    const std::optional<ReplaceTexts> texts = BeginReplace();
    if (!texts) return;
    const std::string& text = texts->search;
    const std::string& replacement = texts->replacement;
    const auto result = Target().ReplaceAll(text, replacement, selection_->isChecked());
    if (const auto* error = std::get_if<PatternError>(&result)) {
        ShowPatternError(*error);
        return;
    }
    const int count = std::get<int>(result);
    ShowMessage(QMessageBox::Information,
                count > 0 ? DialogTextWithNumber(kReplacedText, count) : DialogText(kNotFoundText));
    AddToHistory(text, replacement);
    BackToSearchText();
}

int RunReplaceDialog(SearchTarget& target, const DialogSeams& seams, QWidget* parent,
                     const QString& initialText) {
    CReplaceDlg dialog(target, seams, initialText, parent);
    return seams.run(dialog);
}

} // namespace varnex
