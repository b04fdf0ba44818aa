// The document: carries only its path; runs the Open and Reload commands on the compare view.
#pragma once

#include "app/commands/CommandTable.h"
#include "engine/CompareEngine.h"
#include "textview/dialogs/DialogRunner.h"
#include "textview/dialogs/MessageBoxCall.h"

#include <string>

class QWidget;

namespace varnex {

class COpenFilesDlg;
class CVarnexView;

class CVarnexDoc : public CommandTarget {
public:
    // `window` is the main window: shown after the open-files dialog and owner of messages.
    CVarnexDoc(CVarnexView& view, QWidget& window);

    // Opening a document reads nothing: the comparison is the view's.
    void SetPathName(const std::string& path) { pathName_ = path; }
    const std::string& PathName() const { return pathName_; }

    void SetDialogRunner(DialogRunner runner) { runDialog_ = std::move(runner); }
    void SetMessageBox(MessageBoxCall call) { messageBox_ = std::move(call); }

    // Compares files dropped on the window; like a choice in the open-files dialog, they
    // enter its histories.
    void OpenDropped(const std::string& first, const std::string& second);

    bool OnCommand(CommandId id) override;
    bool OnUpdateCommand(CommandId id, CommandState& state) override;

private:
    static const CommandTable<CVarnexDoc>& Commands();

    void OpenFiles(CommandId id);
    CommandState OpenState(CommandId id) const;
    void ApplyDialog(const COpenFilesDlg& dialog);
    void Reload(CommandId id);
    CommandState ReloadState(CommandId id) const;
    // Tells the user which file LoadAndCompare could not open; nothing when it could.
    void ReportLoad(LoadResult result, const std::string& first, const std::string& second);

    CVarnexView& view_;
    QWidget& window_;
    std::string pathName_;
    DialogRunner runDialog_ = RunModalDialog;
    MessageBoxCall messageBox_ = ShowModalMessageBox;
};

} // namespace varnex
