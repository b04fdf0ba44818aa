// The find dialog "Text suchen".
#include "textview/dialogs/FindDlg.h"

#include "textview/dialogs/DialogText.h"
#include "textview/dialogs/SearchFlagBoxes.h"
#include "textview/dialogs/SearchTarget.h"
#include "textview/model/search/SearchHistory.h"
#include "textview/model/settings/EditOptions.h"
#include "textview/model/settings/PaneTexts.h"

#include <QComboBox>
#include <QPushButton>
#include <QToolButton>

namespace varnex {

namespace {

constexpr SearchDialogTexts kFindTexts{kFindCaption, kFindBackwardText, kFindForwardText,
                                       kFindNextText};

// Only a literal word can be highlighted; a regular expression with special characters cannot.
bool IsPlainWord(const std::string& text, std::uint32_t flags, TextEncoding encoding) {
    if ((flags & SearchFlags::kRegex) == 0) return true;
    const auto compiled = SearchPattern::Compile(text, flags, encoding, EditOptions::Get());
    const auto* pattern = std::get_if<SearchPattern>(&compiled);
    return pattern && pattern->IsPlainWord();
}

} // namespace

CFindDlg::CFindDlg(SearchTarget& target, DialogSeams seams, const QString& initialText,
                   QWidget* parent)
    : CSearchDlgBase(target, std::move(seams), PositionedDialog::Find, kFindTexts, initialText,
                     parent) {
    connect(&OkButton(), &QPushButton::clicked, this, &CFindDlg::FindAndClose);
    connect(&FindNextButton(), &QPushButton::clicked, this, &CFindDlg::FindNext);
    QList<QWidget*> order{&SearchBox(), &PatternButton()};
    order << FlagBoxes().TabOrder() << &OkButton() << &CancelButton() << &FindNextButton();
    ChainTabOrder(order);
}

void CFindDlg::FindAndClose() {
    if (Find(SearchBytes(), false)) accept();
}

void CFindDlg::FindNext() {
    SearchKey key{SearchBytes(), FlagBoxes().Flags()};
    const bool continuing = lastHit_ == key;
    lastHit_.reset();
    if (Find(key.text, continuing)) lastHit_ = std::move(key);
}

bool CFindDlg::Find(const std::string& text, bool continuing) {
    if (text.empty()) {
        Target().Beep();
        return false;
    }
    SendFlags();
    const std::uint32_t flags = FlagBoxes().Flags();
    if ((flags & SearchFlags::kHighlight) && IsPlainWord(text, flags, Target().Encoding()))
        RequestWordHighlight(text, flags);
    const SearchOutcome outcome = SearchWithWaitCursor(text, continuing);
    if (outcome.error) {
        ShowPatternError(*outcome.error);
        return false;
    }
    if (!outcome.found) {
        ShowMessage(QMessageBox::Critical, DialogText(kNotFoundText));
        BackToSearchText();
        return false;
    }
    MoveOffHit();
    SearchHistory::Add(text);
    return true;
}

void CFindDlg::RequestWordHighlight(const std::string& text, std::uint32_t flags) {
    std::uint32_t highlight = 0;
    if (flags & SearchFlags::kIgnoreCase) highlight |= SearchTarget::kHighlightIgnoreCase;
    if (flags & SearchFlags::kWholeWords) highlight |= SearchTarget::kHighlightWholeWords;
    Target().SetWordHighlight(highlight, text);
}

int RunFindDialog(SearchTarget& target, const DialogSeams& seams, QWidget* parent,
                  const QString& initialText) {
    CFindDlg dialog(target, seams, initialText, parent);
    return seams.run(dialog);
}

} // namespace varnex
