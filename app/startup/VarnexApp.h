// The application: start-up from the command line to the shown main window, and the About box.
#pragma once

#include "app/commands/CommandTable.h"
#include "app/startup/Handover.h"
#include "app/startup/RecentFiles.h"
#include "textview/dialogs/DialogRunner.h"
#include "textview/dialogs/MessageBoxCall.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace varnex {

class CMainFrame;
class CVarnexDoc;
struct StartOptions;

class CVarnexApp : public CommandTarget {
public:
    CVarnexApp();
    ~CVarnexApp() override;

    // Start-up: reads the arguments (the program first), builds the frame, document and view,
    // runs the first comparison and shows the window. Without arguments the window stays
    // hidden and the open-files dialog comes first; the window shows when it closes.
    // False when this instance handed its file to another one and must end without a window.
    bool InitInstance(const std::vector<std::string>& arguments);

    CMainFrame* MainFrame() { return frame_.get(); }
    CVarnexDoc* Document() { return document_.get(); }
    const RecentFiles& RecentFileList() const { return recentFiles_; }

    // Seams for the modal parts; set before InitInstance.
    void SetDialogRunner(DialogRunner runner) { runDialog_ = std::move(runner); }
    void SetMessageBox(MessageBoxCall call) { messageBox_ = std::move(call); }
    void SetHandoverServices(HandoverServices services) { handover_ = std::move(services); }

    bool OnCommand(CommandId id) override;
    bool OnUpdateCommand(CommandId id, CommandState& state) override;

private:
    HandoverServices HandoverServicesInUse() const;
    void CreateWindows();
    void OpenDocument(const std::string& path);
    void ShowMainWindow(bool hadArguments);
    static const CommandTable<CVarnexApp>& Commands();
    void ShowAbout(CommandId id);
    CommandState AlwaysEnabled(CommandId id) const;

    RecentFiles recentFiles_;
    DialogRunner runDialog_ = RunModalDialog;
    MessageBoxCall messageBox_ = ShowModalMessageBox;
    std::optional<HandoverServices> handover_;
    std::unique_ptr<CMainFrame> frame_;
    std::unique_ptr<CVarnexDoc> document_; // refers to the frame's view, so it goes first
};

} // namespace varnex
