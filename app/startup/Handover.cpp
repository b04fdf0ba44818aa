// Start-up with -0: hand a file to a waiting instance, or wait in the dialog for one.
#include "app/startup/Handover.h"

#include "app/dialogs/OpenFilesDlg.h"
#include "app/startup/HandoverChannel.h"
#include "app/startup/HandoverMessages.h"
#include "app/ui/PathText.h"

#include <QThread>

namespace varnex {

namespace {

void AddFile(StartOptions& options, const std::string& file) {
    if (file.empty() || options.fileCount >= 2) return;
    options.files[options.fileCount++] = file;
}

void WaitForDone(const std::function<void(int ms)>& pause) {
    for (int read = 0; read < kHandoverDoneReads; ++read) {
        if (ReadHandoverDone()) return;
        pause(kHandoverPauseMs);
    }
}

// The first instance's part: the dialog waits, findable, until OK, cancel or a hand-over.
bool WaitInDialog(StartOptions& options, const DialogRunner& runDialog) {
    WriteHandoverMessage(options.sendFile, options.compareMode, false);
    COpenFilesDlg dialog;
    dialog.SetHandoverMode(true);
    dialog.SetFile(Side::Left, PathText(options.sendFile));
    dialog.SetMode(options.compareMode);
    HandoverListener listener;
    QObject::connect(&listener, &HandoverListener::HandoverRequested, &dialog,
                     &COpenFilesDlg::Handover);
    listener.Listen();
    const int result = runDialog(dialog);
    listener.Stop();
    if (result != QDialog::Accepted) {
        WriteHandoverMessage(PathBytes(dialog.File(Side::Left)), dialog.Mode(), true);
        return false;
    }
    options.fileCount = 0;
    AddFile(options, PathBytes(dialog.File(Side::Left)));
    AddFile(options, PathBytes(dialog.File(Side::Right)));
    options.compareMode = dialog.Mode();
    return true;
}

} // namespace

HandoverServices DefaultHandoverServices() {
    return {RunModalDialog, [] { return RequestHandover(); },
            [](int ms) { QThread::msleep(static_cast<unsigned long>(ms)); }};
}

void TakeHandedOverFile(StartOptions& options, const std::function<void(int ms)>& pause) {
    WaitForDone(pause);
    if (options.fileCount < 2) {
        const HandoverMessage message = ReadHandoverMessage();
        if (message.path) AddFile(options, *message.path);
        if (message.mode) options.compareMode = *message.mode;
    }
    AddFile(options, options.sendFile);
}

bool RunHandover(StartOptions& options, const HandoverServices& services) {
    if (!options.sendToDialog) return true;
    if (services.requestHandover()) {
        TakeHandedOverFile(options, services.pause);
        return true;
    }
    return WaitInDialog(options, services.runDialog);
}

} // namespace varnex
