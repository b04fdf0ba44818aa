// The document: carries only its path; runs the Open and Reload commands on the compare view.
#include "app/compare/VarnexDoc.h"

#include "app/compare/VarnexView.h"
#include "app/dialogs/FileHistory.h"
#include "app/dialogs/OpenFilesDlg.h"
#include "app/ui/PathText.h"
#include "app/ui/UiText.h"
#include "engine/CompareEngine.h"
#include "res/CommandId.h"
#include "res/StringId.h"

namespace varnex {

CVarnexDoc::CVarnexDoc(CVarnexView& view, QWidget& window) : view_(view), window_(window) {}

const CommandTable<CVarnexDoc>& CVarnexDoc::Commands() {
    static const CommandTable<CVarnexDoc> commands{
        {kCmdOpen, &CVarnexDoc::OpenFiles, &CVarnexDoc::OpenState},
        {kCmdReload, &CVarnexDoc::Reload, &CVarnexDoc::ReloadState},
    };
    return commands;
}

bool CVarnexDoc::OnCommand(CommandId id) {
    return Commands().Run(*this, id);
}

bool CVarnexDoc::OnUpdateCommand(CommandId id, CommandState& state) {
    return Commands().Query(*this, id, state);
}

// While a compare runs, nothing starts another.
CommandState CVarnexDoc::OpenState(CommandId) const {
    return {!view_.Comparing(), false};
}

// The window may still be hidden after a start without arguments; it shows whatever the
// dialog's result.
void CVarnexDoc::OpenFiles(CommandId) {
    if (view_.Comparing()) return;
    COpenFilesDlg dialog(&window_);
    for (const Side side : kBothSides)
        dialog.SetFile(side, PathText(view_.Path(side)));
    dialog.SetMode(view_.CompareModeInForce());
    const int result = runDialog_(dialog);
    window_.show();
    if (result == QDialog::Accepted) ApplyDialog(dialog);
}

void CVarnexDoc::ApplyDialog(const COpenFilesDlg& dialog) {
    const std::string first = PathBytes(dialog.File(Side::Left));
    const std::string second = PathBytes(dialog.File(Side::Right));
    const bool filesChanged = first != view_.Path(Side::Left) || second != view_.Path(Side::Right);
    if (!filesChanged && dialog.Mode() == view_.CompareModeInForce()) return;
    // Titles given on the command line belong to the files they were given for.
    if (filesChanged) view_.ForgetGivenTitles();
    view_.UseCompareMode(dialog.Mode());
    ReportLoad(view_.LoadAndCompare(first, second), first, second);
}

void CVarnexDoc::OpenDropped(const std::string& first, const std::string& second) {
    if (view_.Comparing()) return;
    FileHistory::OfSide(Side::Left).Add(first);
    FileHistory::OfSide(Side::Right).Add(second);
    if (first != view_.Path(Side::Left) || second != view_.Path(Side::Right))
        view_.ForgetGivenTitles();
    ReportLoad(view_.LoadAndCompare(first, second), first, second);
}

void CVarnexDoc::Reload(CommandId) {
    const std::string first = view_.Path(Side::Left);
    const std::string second = view_.Path(Side::Right);
    ReportLoad(view_.Reload(), first, second);
}

CommandState CVarnexDoc::ReloadState(CommandId) const {
    if (view_.Comparing()) return {false, false};
    return view_.Engine().QueryCommand(EngineCommandId::Reload);
}

void CVarnexDoc::ReportLoad(LoadResult result, const std::string& first,
                            const std::string& second) {
    // A compare the user stopped needs no message; the status bar says so.
    if (result == LoadResult::Ok || result == LoadResult::Cancelled) return;
    const QString text = result == LoadResult::FirstFileFailed
                             ? UiTextWithPath(kStrFirstFileFailed, PathDisplayText(first))
                             : UiTextWithPath(kStrSecondFileFailed, PathDisplayText(second));
    messageBox_(&window_, QMessageBox::Critical, UiText(kStrCaptionError), text);
}

} // namespace varnex
