// The application: start-up from the command line to the shown main window, and the About box.
#include "app/startup/VarnexApp.h"

#include "app/compare/VarnexDoc.h"
#include "app/compare/VarnexView.h"
#include "app/dialogs/AboutDlg.h"
#include "app/frame/MainFrame.h"
#include "app/startup/FirstPaintReport.h"
#include "app/startup/StartUp.h"
#include "app/ui/UiText.h"
#include "res/CommandId.h"
#include "res/StringId.h"

#include <QTimer>

namespace varnex {

CVarnexApp::CVarnexApp() = default;

// The document goes before the frame; the frame's route must not reach it meanwhile.
CVarnexApp::~CVarnexApp() {
    if (!frame_) return;
    frame_->SetDocument(nullptr);
    frame_->SetApplication(nullptr);
}

bool CVarnexApp::InitInstance(const std::vector<std::string>& arguments) {
    const bool hadArguments = arguments.size() > 1;
    StartOptions options;
    if (hadArguments) {
        options = ParseStartOptions(arguments);
        if (options.typeMode) ApplyDefaultTypes(options, ReadDefaultTypes());
        if (!RunHandover(options, HandoverServicesInUse())) return false;
    }
    CreateWindows();
    OpenDocument(DocumentPathOf(arguments));
    ConfigureView(frame_->View(), options);
    CompareStartFiles(frame_->View(), options, messageBox_, frame_.get());
    frame_->setWindowTitle(UiText(kStrAppTitle));
    frame_->update();
    ShowMainWindow(hadArguments);
    return true;
}

// The hand-over dialog is modal like every other, so it runs through the same seam.
HandoverServices CVarnexApp::HandoverServicesInUse() const {
    if (handover_) return *handover_;
    HandoverServices services = DefaultHandoverServices();
    services.runDialog = runDialog_;
    return services;
}

void CVarnexApp::CreateWindows() {
    frame_ = std::make_unique<CMainFrame>();
    document_ = std::make_unique<CVarnexDoc>(frame_->View(), *frame_);
    frame_->SetDocument(document_.get());
    frame_->SetApplication(this);
    frame_->SetDialogRunner(runDialog_);
    frame_->SetMessageBox(messageBox_);
    CVarnexDoc* document = document_.get();
    frame_->SetFileOpener([document](const std::string& first, const std::string& second) {
        document->OpenDropped(first, second);
    });
    frame_->View().SetMessageBox(messageBox_);
    frame_->View().SetPaneDialogs({runDialog_, messageBox_, AskModalQuestion});
    document_->SetDialogRunner(runDialog_);
    document_->SetMessageBox(messageBox_);
}

// Like a document framework, a path on the command line becomes the document's path and
// enters the recent-file list; the document itself reads nothing.
void CVarnexApp::OpenDocument(const std::string& path) {
    if (path.empty()) return;
    document_->SetPathName(path);
    recentFiles_.Add(path);
}

// Posted, so that the open-files dialog comes up once the event loop runs.
void CVarnexApp::ShowMainWindow(bool hadArguments) {
    if (hadArguments) {
        ReportFirstPaint(*frame_);
        frame_->show();
        return;
    }
    CMainFrame* frame = frame_.get();
    QTimer::singleShot(0, frame, [frame] { frame->RunCommand(kCmdOpen); });
}

const CommandTable<CVarnexApp>& CVarnexApp::Commands() {
    static const CommandTable<CVarnexApp> commands{
        {kCmdAbout, &CVarnexApp::ShowAbout, &CVarnexApp::AlwaysEnabled},
    };
    return commands;
}

bool CVarnexApp::OnCommand(CommandId id) {
    return Commands().Run(*this, id);
}

bool CVarnexApp::OnUpdateCommand(CommandId id, CommandState& state) {
    return Commands().Query(*this, id, state);
}

CommandState CVarnexApp::AlwaysEnabled(CommandId) const {
    return {true, false};
}

void CVarnexApp::ShowAbout(CommandId) {
    CAboutDlg dialog(frame_.get());
    runDialog_(dialog);
}

} // namespace varnex
