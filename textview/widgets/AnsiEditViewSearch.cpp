// The pane's find, replace and options dialogs, "Weitersuchen" and "Bereich suchen", and the
// search and replace requests of a host.
#include "textview/widgets/AnsiEditView.h"

#include "textview/dialogs/DialogText.h"
#include "textview/dialogs/FindDlg.h"
#include "textview/dialogs/OptionsDlg.h"
#include "textview/dialogs/ReplaceDlg.h"
#include "textview/model/document/TextColumns.h"
#include "textview/model/editor/WordJump.h"
#include "textview/model/search/SearchHistory.h"
#include "textview/model/settings/EditOptions.h"
#include "textview/model/settings/PaneTexts.h"
#include "textview/model/settings/TabWidth.h"
#include "textview/widgets/ClipboardText.h"
#include "textview/widgets/PaneSearchTarget.h"

namespace varnex {

namespace {

// The selection's first line, the text a dialog starts with.
std::string FirstSelectedLine(const PaneEditor& editor) {
    const std::string selected = editor.SelectedText();
    return selected.substr(0, selected.find('\n'));
}

std::string WordAtCaret(const PaneEditor& editor) {
    const TextPosition caret = editor.Caret().Caret();
    const TextLine* line = editor.Document().GetLine(caret.line);
    if (!line) return {};
    const TextEncoding encoding = editor.Document().Encoding();
    const int index =
        ColumnToIndex(line->Text(), line->Length(), caret.column, TabWidth::Get(), encoding);
    const ByteRange word =
        WordTouching(line->Text(), line->Length(), index, EditOptions::Get(), encoding);
    return std::string(reinterpret_cast<const char*>(line->Text()) + word.first,
                       static_cast<std::size_t>(word.last - word.first));
}

} // namespace

int CAnsiEditView::OpenFindDialog() {
    PaneSearchTarget target(*this);
    return RunFindDialog(target, dialogSeams_, this,
                         BytesToText(FirstSelectedLine(editor_), model_.Encoding()));
}

int CAnsiEditView::OpenReplaceDialog() {
    PaneSearchTarget target(*this);
    return RunReplaceDialog(target, dialogSeams_, this,
                            BytesToText(FirstSelectedLine(editor_), model_.Encoding()));
}

int CAnsiEditView::OpenOptionsDialog() {
    PaneSearchTarget target(*this);
    return RunOptionsDialog(target, dialogSeams_, this);
}

bool CAnsiEditView::FindNext() {
    if (SearchHistory::Entries().empty()) return OpenFindDialog() == QDialog::Accepted;
    return SearchAndReport(SearchHistory::Entries().front());
}

// The selected text is looked for as it stands, whatever the search flags say about regular
// expressions; the flags are as before afterwards.
bool CAnsiEditView::FindSelected() {
    std::string text = FirstSelectedLine(editor_);
    if (text.empty()) text = WordAtCaret(editor_);
    if (text.empty()) {
        editor_.Beep();
        return false;
    }
    SearchHistory::Add(text);
    const std::uint32_t flags =
        editor_.SetSearchFlags(0, SearchFlags::kRegex | SearchFlags::kWholeText);
    const bool found = SearchAndReport(text);
    editor_.SetSearchFlags(flags, SearchFlags::kRegex | SearchFlags::kWholeText);
    return found;
}

// Goes on from the caret and says so when nothing more is found.
bool CAnsiEditView::SearchAndReport(const std::string& text) {
    const SearchOutcome outcome = editor_.Search(text, true);
    AfterInteraction();
    if (outcome.found) return true;
    const QString caption = DialogText(kFindCaption);
    if (outcome.error) {
        dialogSeams_.showMessage(this, QMessageBox::Critical, caption,
                                 DialogTextWithNumber(kBadPatternText, outcome.error->offset));
    } else {
        dialogSeams_.showMessage(this, QMessageBox::Information, caption,
                                 DialogText(kNotFoundText));
    }
    return false;
}

void CAnsiEditView::TakeHighlightFrom(const CAnsiEditView& source) {
    const std::uint32_t flag = source.Editor().CurrentSearchFlags() & SearchFlags::kHighlight;
    editor_.SetSearchFlags(flag, SearchFlags::kHighlight);
    if (const std::optional<HighlightWord> word = source.Editor().Highlight())
        editor_.SetHighlightWord(*word);
    AfterInteraction();
}

SearchOutcome CAnsiEditView::Search(const SearchRequest& request) {
    const SearchOutcome outcome = editor_.Search(request.text, request.continuing);
    AfterInteraction();
    return outcome;
}

std::variant<int, PatternError> CAnsiEditView::Replace(const ReplaceRequest& request) {
    const bool inSelection = request.scope == ReplaceScope::Selection;
    auto result = editor_.ReplaceAll(request.text, request.replacement, inSelection);
    AfterInteraction();
    return result;
}

} // namespace varnex
