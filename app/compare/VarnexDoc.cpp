// The document: carries only its path; runs the Open and Reload commands on the compare view.
#include "app/compare/VarnexDoc.h"

#include "res/CommandId.h"
#include "app/dialogs/OpenFilesDlg.h"
#include "app/ui/PathText.h"
#include "app/ui/UiText.h"
#include "app/compare/VarnexView.h"
#include "engine/CompareEngine.h"
#include "res/StringId.h"

#include <algorithm>
#include <iterator>

namespace varnex {

CVarnexDoc::CVarnexDoc(CVarnexView& view, QWidget& window) : view_(view), window_(window) {}

struct CVarnexDoc::DocCommand {
    int id;
    void (CVarnexDoc::*run)();
    CommandState (CVarnexDoc::*query)() const;
};

const CVarnexDoc::DocCommand* CVarnexDoc::FindCommand(int id) {
    static const DocCommand kCommands[] = {
        {kCmdOpen, &CVarnexDoc::OpenFiles, &CVarnexDoc::OpenState},
        {kCmdReload, &CVarnexDoc::Reload, &CVarnexDoc::ReloadState},
    };
    const auto found = std::find_if(std::begin(kCommands), std::end(kCommands),
                                    [id](const DocCommand& command) { return command.id == id; });
    return found == std::end(kCommands) ? nullptr : found;
}

bool CVarnexDoc::OnCommand(int id) {
    const DocCommand* command = FindCommand(id);
    if (!command) return false;
    if ((this->*command->query)().enabled) (this->*command->run)();
    return true;
}

bool CVarnexDoc::OnUpdateCommand(int id, CommandState& state) {
    const DocCommand* command = FindCommand(id);
    if (!command) return false;
    state = (this->*command->query)();
    return true;
}

CommandState CVarnexDoc::OpenState() const {
    return {true, false};
}

// The window may still be hidden after a start without arguments; it shows whatever the
// dialog's result.
void CVarnexDoc::OpenFiles() {
    COpenFilesDlg dialog(&window_);
    for (int side = 0; side < 2; ++side)
        dialog.SetFile(side, PathText(view_.Path(side)));
    dialog.SetMode(view_.CompareModeInForce());
    const int result = runDialog_(dialog);
    window_.show();
    if (result == QDialog::Accepted) ApplyDialog(dialog);
}

void CVarnexDoc::ApplyDialog(const COpenFilesDlg& dialog) {
    const std::string first = PathBytes(dialog.File(0));
    const std::string second = PathBytes(dialog.File(1));
    const bool filesChanged = first != view_.Path(0) || second != view_.Path(1);
    if (!filesChanged && dialog.Mode() == view_.CompareModeInForce()) return;
    // Titles given on the command line belong to the files they were given for.
    if (filesChanged) view_.ForgetGivenTitles();
    view_.UseCompareMode(dialog.Mode());
    ReportLoad(view_.LoadAndCompare(first, second), first, second);
}

void CVarnexDoc::Reload() {
    const std::string first = view_.Path(0);
    const std::string second = view_.Path(1);
    ReportLoad(view_.Reload(), first, second);
}

CommandState CVarnexDoc::ReloadState() const {
    return {!view_.Path(0).empty() && !view_.Path(1).empty(), false};
}

void CVarnexDoc::ReportLoad(int result, const std::string& first, const std::string& second) {
    if (result == kCompareOk) return;
    QString text;
    if (result == kFirstFileFailed)
        text = UiTextWithPath(kStrFirstFileFailed, PathText(first));
    else if (result == kSecondFileFailed)
        text = UiTextWithPath(kStrSecondFileFailed, PathText(second));
    else
        text = UiText(kStrUnknownError);
    messageBox_(&window_, QMessageBox::Critical, UiText(kStrCaptionError), text);
}

} // namespace varnex
