// Everything through which the pane's dialogs reach the user modally. The defaults show real
// dialogs; tests put in functions that fill the controls, click and return at once.
#pragma once

#include "textview/dialogs/DialogRunner.h"
#include "textview/dialogs/MessageBoxCall.h"

namespace varnex {

struct DialogSeams {
    DialogRunner run = RunModalDialog;
    MessageBoxCall showMessage = ShowModalMessageBox;
    QuestionCall ask = AskModalQuestion;
};

} // namespace varnex
