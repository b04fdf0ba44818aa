// Start-up with -0: hand a file to a waiting instance, or wait in the dialog for one.
#pragma once

#include "options/StartOptions.h"
#include "textview/dialogs/DialogRunner.h"

#include <functional>

namespace varnex {

// A second instance polls Done this often, pausing this long after every read of 0.
inline constexpr int kHandoverDoneReads = 30;
inline constexpr int kHandoverPauseMs = 100;

struct HandoverServices {
    DialogRunner runDialog = RunModalDialog;
    // Asks a waiting instance to hand over; false when none waits.
    std::function<bool()> requestHandover;
    std::function<void(int ms)> pause;
};

// The real channel and a sleeping pause.
HandoverServices DefaultHandoverServices();

// Settles the files and mode for a start with -0. Returns false when this instance handed
// its file over (or its dialog was cancelled) and must end without a window.
bool RunHandover(StartOptions& options, const HandoverServices& services);

// The second instance's part: waits for Done, then takes the handed-over file and mode.
void TakeHandedOverFile(StartOptions& options, const std::function<void(int ms)>& pause);

} // namespace varnex
