// The steps of start-up that decide what is compared, kept apart from the windows they act on.
#pragma once

#include "options/StartOptions.h"
#include "textview/dialogs/MessageBoxCall.h"

#include <string>
#include <vector>

class QWidget;

namespace varnex {

class CVarnexView;

// The stored DefaultTypes list; empty when there is none.
std::string ReadDefaultTypes();

// The document path that the command line names: the first argument that is not an option,
// made absolute; empty when there is none.
std::string DocumentPathOf(const std::vector<std::string>& arguments);

// Hands the start options to the view: jump, titles shown, compare mode, split, titles.
void ConfigureView(CVarnexView& view, const StartOptions& options);

// The first comparison: with two files, each one that is not a regular file is reported;
// when both are, they are compared and a file that cannot be opened is reported.
void CompareStartFiles(CVarnexView& view, const StartOptions& options,
                       const MessageBoxCall& messageBox, QWidget* owner);

} // namespace varnex
